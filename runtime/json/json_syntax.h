// What the JSON reader and writer share: character classes, the nesting limit
// and backslash escapes.
#pragma once
#include <cstdint>

#include "runtime/text.h"

namespace runtime {

// What each character means to the JSON reader.
enum class JsonCharClass {
  kSkipped,
  kQuote,             // " ' `
  kNumber,            // - . 0..9
  kAt,                // a date marker before a quote, else a word
  kWord,              // $ A..Z _ a..z
  kNameSeparator,     // : =
  kElementSeparator,  // , ;
  kOpen,              // [ {
  kClose,             // ] }
};

JsonCharClass JsonClassOf(unsigned codeUnit);
// Characters that continue a bare word: $ 0..9 @..Z _ a..z.
bool IsJsonWordChar(unsigned codeUnit);
// Characters of a number run: + - . and the word characters, so that a run
// such as "0b101" or "1a" is read whole, as a number or as an error.
bool IsJsonNumberChar(unsigned codeUnit);
bool IsHexDigit(unsigned codeUnit);

// How deep JSON containers may nest, when read and when written: deeper input
// is a script error instead of a stack overflow.
inline constexpr int32_t kJsonDepthLimit = 500;

[[noreturn]] void RaiseJsonTooDeep();

// Backslash escapes in text, as the "escape" built-in resolves them and the
// JSON reader unescapes strings.

// \a \b \t \n \v \f \r give control characters 7..13; \" \' \/ \? \\ the
// character itself; \x and two hex digits one code unit; in qelu, \u and four
// hex digits one UTF-16 code unit. Any other backslash stays with the
// character after it. Bad hex digits raise a conversion error.
Text ResolveEscapes(TextView text);
// The same into out, whose buffer is reused; text must not lie in out.
void ResolveEscapes(TextView text, Text& out);

}  // namespace runtime
