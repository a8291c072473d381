// The general arithmetic of script values and the number forms it works on:
// values read as numbers, rounding half to even, exact currency.
#pragma once
#include <cstdint>

#include "runtime/value/value.h"

namespace runtime {

// The general arithmetic of script values, behind the operators' fast paths.
// The rules are listed in docs/values.md.

// op is '+', '-', '*', '/', 'd' (div) or 'm' (mod). The result replaces left;
// right may be left itself.
void ValueArith(Value& left, const Value& right, char op);

// "&": both values as text, joined, as the build's text. A left text of the
// build's kind that no other value shares grows in place.
void ValueConcat(Value& left, const Value& right);
// "&" with a right operand already in text; text holds the build's kind.
void AppendText(Value& text, TextView tail);

// A value read as a number: the common ground of conversions, arithmetic and
// comparison.
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

// Rounding to whole numbers the way OLE converts: half to even.
double RoundHalfEven(double x);
// A currency amount (times 10000) rounded to a whole number.
int64_t RoundCurrency(int64_t scaled);
// False when the rounded value does not fit (NaN and infinities included).
bool DoubleToInt64(double x, int64_t& out);

// Exact currency arithmetic on amounts times 10000; false on overflow.

// The product rounded half to even to four decimals.
bool MultiplyCurrencies(int64_t a, int64_t b, int64_t& out);
bool IntegerToCurrency(int64_t i, int64_t& out);

}  // namespace runtime
