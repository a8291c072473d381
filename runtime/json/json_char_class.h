// What each character means to the JSON reader.
#pragma once

enum class JsonCharClass {
  kSkipped,
  kQuote,             // " ' `
  kZero,              // a number, or hex after "0x"
  kNumber,            // - . 1..9
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
// Characters of a number run: + - . 0..9 E e.
bool IsJsonNumberChar(unsigned codeUnit);
bool IsHexDigit(unsigned codeUnit);
