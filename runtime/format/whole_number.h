// Values of the integer types read as a sign and a magnitude, for the
// integer directives of text patterns.
#pragma once
#include <cstdint>

class Value;

struct WholeNumber {
  bool negative = false;
  uint64_t magnitude = 0;
  bool wide = false;  // a 64-bit type
};

// False for any other type, Booleans too.
bool WholeNumberOf(const Value& v, WholeNumber& out);
