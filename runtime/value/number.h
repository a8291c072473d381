// A value read as a number: the common ground of conversions, arithmetic and
// comparison.
#pragma once
#include <cstdint>

struct Number {
  enum Kind : uint8_t { kInt, kCurrency, kDouble };
  Kind kind = kInt;
  // An integer of a 64-bit type or outside Int32: integer results stay Int64.
  bool wide = false;
  bool date = false;
  int64_t i = 0;  // the integer, or the currency amount times 10000
  double d = 0;

  static Number Int(int64_t v, bool wide = false) { return {kInt, wide || v != int32_t(v), false, v, 0}; }
  static Number Currency(int64_t scaled) { return {kCurrency, false, false, scaled, 0}; }
  static Number Double(double v) { return {kDouble, false, false, 0, v}; }
  static Number Date(double v) { return {kDouble, false, true, 0, v}; }
};

inline double NumberToDouble(const Number& n) {
  if (n.kind == Number::kInt) return double(n.i);
  return n.kind == Number::kCurrency ? double(n.i) / 10000.0 : n.d;
}
