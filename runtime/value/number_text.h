// Numbers to and from their fixed, locale-independent text forms.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "number.h"
#include "text_token.h"

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
