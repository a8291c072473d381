// Text as the engine sees it: its encoding, walking UTF-8, and case conversion
// for caseless matching.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/text.h"

namespace runtime {

// Texts as the engine holds them: UTF-8 in qelu; in qel the text's own bytes
// in the system code page, which PCRE's UTF-8 mode takes as they are.
std::string EngineBytes(TextView text);
// The same into a buffer that keeps its room: ASCII text is copied directly.
void EngineBytesInto(TextView text, std::string& bytes);
Text EngineText(std::string_view bytes);

// Whether EngineBytes always gives valid UTF-8, so PCRE need not check it.
#ifdef QEL_ANSI
inline constexpr bool kEngineBytesAreUtf8 = false;
#else
inline constexpr bool kEngineBytesAreUtf8 = true;
#endif

// Walking UTF-8 bytes by whole characters.
inline bool IsUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// The offset just after the character that begins at offset: its lead byte
// and up to three continuation bytes.
std::size_t Utf8CharEnd(std::string_view bytes, std::size_t offset);

// UTF-16 code units of the characters whose lead byte lies before offset;
// exact for valid UTF-8.
int32_t Utf16UnitsBefore(std::string_view bytes, std::size_t offset);

// The template's case conversions ("\U1", "\L1", "\F1", "\I1") on group text
// in the engine's bytes.
enum class CaseConversion { Upper, Lower, FirstCapital, WordCapitals };

// The conversion named by F, I, L or U in either case; false for other letters.
bool CaseConversionOf(char letter, CaseConversion& conversion);

// qelu converts the UTF-8 text through UTF-16; qel converts the bytes in the
// system code page.
std::string ConvertCase(std::string_view bytes, CaseConversion conversion);

// Case conversions of 8-bit text in a code page (0: the system's), for the
// template conversions of qel. A character is one byte, a lead byte with its
// trail byte in a double-byte code page, or a UTF-8 sequence in code page
// 65001. Characters the code page cannot carry through keep their bytes.
std::string CodePageUpper(std::string_view bytes, int codePage);
std::string CodePageLower(std::string_view bytes, int codePage);
std::string CodePageFirstCapital(std::string_view bytes, int codePage);

// Separators are the bytes 0-38, 40-46, 60, 63, 91, 123 and 183 (")"
// separates here); in a multi-byte code page no byte from 128 on separates
// and a double-byte character is passed over like an apostrophe: it neither
// separates nor takes the capital.
std::string CodePageWordCapitals(std::string_view bytes, int codePage);

// Capitals of UTF-16 text for the template's "F" and "I" conversions.

// Small letters with a capital first character.
std::u16string FirstCapital(std::u16string_view text);

// Small letters with a capital at the start of every word: the first
// character after a separator, where an apostrophe neither separates nor
// takes the capital (so "o'neil" gives "O'neil").
std::u16string WordCapitals(std::u16string_view text);

}  // namespace runtime
