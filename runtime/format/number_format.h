// Numbers written by numeric patterns, the "format" of a number value.
#pragma once
#include <cstdint>
#include <vector>

#include "runtime/text.h"
#include "runtime/format/format_support.h"

namespace runtime {

// A number written by a numeric pattern (see number_pattern.h), the
// "format" of a number value.
class Value;

// Numbers keep the digits of their text form (a Double 15 significant
// digits) and round half away from zero. A negative number uses the second
// section, or the first with a minus sign in front; a number that rounds to
// zero uses the third section when there is one, else the first without a
// sign. An empty pattern or first section gives the number's text form.
// Values other than numbers are converted to Double first.
Text FormatNumber(const Value& number, TextView pattern);

// Numeric patterns: "0" and "#" digit places, ".", "," for thousands, "E+"
// or "E-" exponents, quoted literals, and up to three sections
// (positive;negative;zero).
struct NumberSection {
  enum Kind : uint8_t { kLiteral, kDigit, kPoint, kExponent };
  struct Token {
    Kind kind;
    // The literal text; for an exponent its letter ("E" or "e").
    Text text;
    // An exponent with "+" writes the sign of positive exponents too.
    bool plusSign = false;
    int exponentDigits = 0;
  };

  std::vector<Token> tokens;
  bool empty = true;
  bool grouped = false;
  bool scientific = false;
  int wholePlaces = 0;
  // Digits written at least: from the leftmost "0" before the point, and up
  // to the last "0" after it.
  int forcedWhole = 0;
  int fractionPlaces = 0;
  int forcedFraction = 0;
};

// The pattern's sections as written (an absent one is empty). More than
// three sections or an open quote raise an error.
std::vector<NumberSection> ParseNumberPattern(TextView pattern);

// Writes a number by one section of a numeric pattern.

// Rounds a number to the digits the section shows.
void RoundForSection(const NumberSection& section, Decimal& d);
// The number's magnitude, already rounded, laid out by the section; the sign
// is the caller's.
Text RenderSection(const NumberSection& section, const Decimal& rounded);

}  // namespace runtime
