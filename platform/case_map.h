// Upper and lower case of UTF-16 text, one character to one character and
// the same whatever the user's language.
#pragma once
#include <string>
#include <string_view>

namespace platform {

std::u16string UpperCase(std::u16string_view text);
std::u16string LowerCase(std::u16string_view text);

}  // namespace platform
