// The toolkit's text type: UTF-16 on every build, like the editor and tree
// that stand on it.
#pragma once
#include <string>
#include <string_view>

namespace toolkit {

using Char = char16_t;
using String = std::u16string;
using StringView = std::u16string_view;

String FromUtf8(std::string_view text);
std::string ToUtf8(StringView text);

// A text from a decimal number.
String IntToString(long long value);

// Puts the value in place of the pattern's first %d or %s; "%%" stands for
// "%". Patterns with two values take two calls.
String FormatText(StringView pattern, long long number);
String FormatText(StringView pattern, StringView text);

String UpperCase(StringView text);
// Case-insensitive comparison in the Latin ranges the lists need; negative,
// zero or positive like a three-way compare.
int CompareTextIgnoringCase(StringView a, StringView b);

}  // namespace toolkit
