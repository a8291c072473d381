// Replacing occurrences of a text inside another.
#pragma once
#include "text.h"

inline constexpr int kReplaceAll = 1;
// Only "a".."z" and "A".."Z" match each other.
inline constexpr int kReplaceIgnoreCase = 2;

// Occurrences are found left to right without overlapping; without
// kReplaceAll only the first is replaced. An empty find text changes nothing.
Text ReplaceText(TextView source, TextView find, TextView replacement, int flags);
