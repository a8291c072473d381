// Booleans and their words.
#pragma once
#include <optional>
#include <string_view>

#include "value.h"

// Text-to-boolean words, compared ignoring ASCII case.
inline constexpr std::string_view kTrueWords[] = {"True", "Yes"};
inline constexpr std::string_view kFalseWords[] = {"False", "No", ""};

inline std::string_view BoolText(bool b) { return b ? "True" : "False"; }

// The truth of a text value: one of the words, or a number (true when not 0);
// nothing when it is neither.
std::optional<bool> BoolOfText(const Value& text);
