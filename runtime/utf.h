// UTF-8 and UTF-16 conversions that need no system code page.
#pragma once
#include <string>
#include <string_view>

// Invalid sequences become U+FFFD.
std::u16string Utf8ToUtf16(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view utf16);
