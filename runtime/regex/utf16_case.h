// Capitals of UTF-16 text for the template's "F" and "I" conversions.
#pragma once
#include <string>
#include <string_view>

// Small letters with a capital first character.
std::u16string FirstCapital(std::u16string_view text);

// Small letters with a capital at the start of every word: the first
// character after a separator, where an apostrophe neither separates nor
// takes the capital (so "o'neil" gives "O'neil").
std::u16string WordCapitals(std::u16string_view text);
