// The fixed, locale-independent text forms of numbers, dates and booleans.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/value/arith.h"
#include "runtime/value/value.h"

namespace runtime {

// The trimmed, ASCII-only content of a text, for the parsers of numbers,
// dates and boolean words.
inline bool IsTextSpace(unsigned c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// Copies the text without surrounding spaces, tabs and line ends into out;
// false as soon as a character outside allowed is met.
template <class C>
bool TextToken(std::basic_string_view<C> text, std::string_view allowed, std::string& out) {
  using U = std::make_unsigned_t<C>;
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsTextSpace(U(text[begin]))) ++begin;
  while (end > begin && IsTextSpace(U(text[end - 1]))) --end;
  out.clear();
  for (size_t i = begin; i < end; ++i) {
    unsigned c = U(text[i]);
    if (c >= 0x80 || allowed.find(char(c)) == std::string_view::npos) return false;
    out += char(c);
  }
  return true;
}

// Numbers to and from their fixed, locale-independent text forms.
enum class NumberParse { kOk, kNotNumber, kOverflow };

// A decimal number: optional sign, digits with an optional "." fraction, an
// optional exponent. Integers that fit Int64 stay exact; others are Doubles.
NumberParse ParseNumber(std::string_view ascii, Number& out);

template <class C>
NumberParse ParseNumberText(std::basic_string_view<C> text, Number& out) {
  std::string token;
  if (!TextToken(text, "0123456789+-.eE", token)) return NumberParse::kNotNumber;
  return ParseNumber(token, out);
}

// The shortest text that reads back as the same value, limited to 15
// significant digits for a Double and 7 for a Single; exponent form ("1E+15",
// "1E-6") outside 0.00001 <= |x| < 1E+15.
std::string FormatDouble(double x);
std::string FormatSingle(float x);
// Up to four decimals, trailing zeros dropped.
std::string FormatCurrency(int64_t scaled);

class Value;
// The text of a number value (a date as its day count); empty for other types.
std::string NumberValueText(const Value& v);

// Dates (days since 1899-12-30, the time of day as the fraction) to and from
// their fixed text forms.

// 0100-01-01 00:00:00 up to 9999-12-31 23:59:59.
inline bool IsValidDate(double date) { return date > -657435.0 && date < 2958466.0; }

// "2026-12-10 13:05:00" to the nearest second; "2026-12-10" when the time is
// 0, "13:05:00" when the day is 0. False for a date out of range.
bool FormatDate(double date, std::string& out);

// "YYYY-M-D", optionally followed by a space or "T" and a time; or a time
// alone: "h:mm", "h:mm:ss" or "h:mm:ss.fff".
bool ParseDate(std::string_view ascii, double& out);

template <class C>
bool ParseDateText(std::basic_string_view<C> text, double& out) {
  std::string token;
  return TextToken(text, "0123456789-:. T", token) && ParseDate(token, out);
}

// Booleans and their words.

// Text-to-boolean words, compared ignoring ASCII case.
inline constexpr std::string_view kTrueWords[] = {"True", "Yes"};
inline constexpr std::string_view kFalseWords[] = {"False", "No", ""};

inline std::string_view BoolText(bool b) { return b ? "True" : "False"; }

// The truth of a text value: one of the words, or a number (true when not 0);
// nothing when it is neither.
std::optional<bool> BoolOfText(const Value& text);

}  // namespace runtime
