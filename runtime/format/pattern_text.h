// Scanning helpers shared by the date and number patterns.
#pragma once
#include "../text.h"

// Text in single or double quotes is copied as it stands.
inline bool IsPatternQuote(Char c) { return c == Char('\'') || c == Char('"'); }

// The index of the quote that closes the one at open, or npos.
inline size_t ClosingQuote(TextView pattern, size_t open) { return pattern.find(pattern[open], open + 1); }

// ASCII letters in either case.
inline Char LowerAscii(Char c) { return c >= Char('A') && c <= Char('Z') ? Char(c + ('a' - 'A')) : c; }
