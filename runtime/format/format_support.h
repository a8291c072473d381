// What the formatters share: numbers as decimal digits, messages, and pattern
// scanning.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/text.h"

namespace runtime {

// Numbers as decimal digits for the formatters: each value shows the digits of
// its text form, and rounding works on those digits, half away from zero.
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

// Messages of the formatters: a bad pattern or an argument that does not fit.
class Value;

// "Date pattern "yyyy'x": quote not closed"
[[noreturn]] void RaisePatternError(std::string_view kind, TextView pattern, std::string_view problem);
// "Format "%d" needs an integer, not Text "12""
[[noreturn]] void RaiseArgumentMismatch(TextView directive, std::string_view wanted, const Value& argument);
// "Format "%s": too few arguments (1 given)"
[[noreturn]] void RaiseMissingArgument(TextView directive, size_t given);
// "Format "%q": unknown type "q"", "Format "%5": incomplete directive"
[[noreturn]] void RaiseDirectiveError(TextView directive, std::string_view problem);

// Scanning helpers shared by the date and number patterns.

// Text in single or double quotes is copied as it stands.
inline bool IsPatternQuote(Char c) { return c == Char('\'') || c == Char('"'); }

// The index of the quote that closes the one at open, or npos.
inline size_t ClosingQuote(TextView pattern, size_t open) { return pattern.find(pattern[open], open + 1); }

// ASCII letters in either case.
inline Char LowerAscii(Char c) { return c >= Char('A') && c <= Char('Z') ? Char(c + ('a' - 'A')) : c; }

}  // namespace runtime
