// Numbers as decimal digits for the formatters: each value shows the digits of
// its text form, and rounding works on those digits, half away from zero.
#pragma once
#include <cstdint>
#include <string>

class Value;

struct Decimal {
  enum Kind : uint8_t { kFinite, kNaN, kInfinite };
  Kind kind = kFinite;
  bool negative = false;
  // Significant digits without leading or trailing zeros; empty for zero.
  std::string digits;
  // The value is 0.digits times 10 to the power point.
  int point = 0;

  bool IsZero() const { return kind == kFinite && digits.empty(); }
};

// A Double to 15 significant digits, a Single to 7: the digits of their text form.
Decimal DecimalOfDouble(double x, int significant = 15);
Decimal DecimalOfInteger(bool negative, uint64_t magnitude);
// Integer types, Currency, Single, Double and Date; false for any other type.
bool DecimalOfNumber(const Value& number, Decimal& out);

// Keeps that many digits after the decimal point.
void RoundToDecimals(Decimal& d, int decimals);
// Keeps that many significant digits (at least one).
void RoundToSignificant(Decimal& d, int count);

// The digits before the decimal point ("" below 1) and count digits after it.
std::string WholeDigits(const Decimal& d);
std::string FractionDigits(const Decimal& d, int count);
