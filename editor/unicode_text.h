// Helpers for UTF-16 text: case, trimming, repeating, byte swapping and
// 8-bit text in a code page.
#pragma once
#include <cstdint>
#include <span>
#include <string_view>

#include "toolkit/core/text.h"

namespace editor {

// Raised when text must pass through a code page the system lacks.
inline constexpr toolkit::Char kCodePageNotAvailable[] = u"Code page %d is not available";

// One character to one character, whatever the user's language.
toolkit::String UpperCaseText(toolkit::StringView text);
toolkit::String LowerCaseText(toolkit::StringView text);

// The character count times; empty for a count below 1.
toolkit::String RepeatChar(toolkit::Char character, std::int32_t count);
// Without the characters up to U+0020 at both ends.
toolkit::String TrimText(toolkit::StringView text);

// Swaps the two bytes of each code unit up to the first zero character or
// the end of the characters, whichever comes first.
void SwapCodeUnitBytes(std::span<toolkit::Char> characters);

// The 8-bit code page of a locale identifier; the system's when the locale
// gives none.
int LocaleCodePage(std::uint32_t locale);
// 8-bit text in a code page; a code page the system lacks reads as the
// system's own.
toolkit::String AnsiToUnicode(std::string_view text, int codePage);

}  // namespace editor
