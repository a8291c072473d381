// What each character means to the JSON reader.
#pragma once

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
