// Conversions between UTF-16 text and bytes in a numbered code page.
#pragma once
#include <string>
#include <string_view>

namespace platform {

inline constexpr int kCodePageUtf8 = 65001;
inline constexpr int kCodePageUtf16LE = 1200;
inline constexpr int kCodePageUtf16BE = 1201;

// The 8-bit code page of the system (natively QEL_CODEPAGE or the locale's charset).
int SystemCodePage();

// Code page 0 is the system code page. False for an unknown code page; bytes
// or characters without a mapping become U+FFFD or '?'.
bool DecodeCodePage(int codePage, std::string_view bytes, std::u16string& text);
bool EncodeCodePage(int codePage, std::u16string_view text, std::string& bytes);

}  // namespace platform
