// Conversions between UTF-16 text and bytes in a numbered code page.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

inline constexpr int kCodePageUtf8 = 65001;
inline constexpr int kCodePageUtf16LE = 1200;
inline constexpr int kCodePageUtf16BE = 1201;

// The 8-bit code page of the system (natively QEL_CODEPAGE or the locale's charset).
int SystemCodePage();

// The 8-bit code page of a locale identifier (the locale that comes with
// clipboard text); the system code page when the locale tells none.
// Natively locales carry no code page of their own.
int LocaleAnsiCodePage(std::uint32_t locale);

// Code page 0 is the system code page. False for an unknown code page.
// Characters without a mapping become '?'. Bytes a code page leaves undefined
// decode as Windows decodes them: a double-byte pair (or a lead byte at the
// end) to '?', any other byte to the character of its value; bad UTF-8 gives
// U+FFFD.
bool DecodeCodePage(int codePage, std::string_view bytes, std::u16string& text);
bool EncodeCodePage(int codePage, std::u16string_view text, std::string& bytes);

}  // namespace platform
