// Numeric patterns: "0" and "#" digit places, ".", "," for thousands, "E+"
// or "E-" exponents, quoted literals, and up to three sections
// (positive;negative;zero).
#pragma once
#include <cstdint>
#include <vector>

#include "../text.h"

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
