#include "runtime/parse/literal_value.h"

#include <limits>
#include <string>

#include "runtime/parse/char_class.h"
#include "runtime/value/text_forms.h"

namespace runtime {

namespace {

int HexDigitValue(Char c) {
  if (c >= '0' && c <= '9') return c - '0';
  return (c | 0x20) - 'a' + 10;
}

// Digits beyond the low 32 bits are dropped.
uint32_t ReadHex(TextView digits) {
  uint32_t value = 0;
  for (Char c : digits) value = value << 4 | uint32_t(HexDigitValue(c));
  return value;
}

uint32_t ReadBinary(TextView digits) {
  uint32_t value = 0;
  for (Char c : digits) value = value << 1 | uint32_t(c == '1');
  return value;
}

TNumberLiteral FromInteger(int64_t value) {
  const bool fits32 = value >= std::numeric_limits<int32_t>::min() && value <= std::numeric_limits<int32_t>::max();
  return {fits32 ? TNumberLiteral::kInt32 : TNumberLiteral::kInt64, value, 0};
}

// "-" before a hex or binary literal negates its unsigned value.
TNumberLiteral FromUnsigned(uint32_t value, bool negative) {
  if (negative) return FromInteger(-int64_t(value));
  return {TNumberLiteral::kUInt32, value, 0};
}

TNumberLiteral FromDecimal(TextView text) {
  std::string ascii;
  for (Char c : text) ascii.push_back(CodeUnit(c) < 128 ? char(c) : '?');
  Number number;
  const NumberParse result = ParseNumber(ascii, number);
  if (result == NumberParse::kOverflow) {
    const double infinity = std::numeric_limits<double>::infinity();
    return {TNumberLiteral::kDouble, 0, ascii[0] == '-' ? -infinity : infinity};
  }
  if (result != NumberParse::kOk) return {};
  if (number.kind == Number::kInt) return FromInteger(number.i);
  return {TNumberLiteral::kDouble, 0, NumberToDouble(number)};
}

bool HasPrefix(TextView digits, Char lower) {
  return digits.size() >= 3 && digits[0] == '0' && (digits[1] | 0x20) == lower;
}

}  // namespace

TNumberLiteral ReadNumberLiteral(TextView text) {
  const bool hasSign = !text.empty() && (text[0] == '-' || text[0] == '+');
  const bool negative = hasSign && text[0] == '-';
  const TextView digits = text.substr(hasSign ? 1 : 0);
  if (HasPrefix(digits, 'x')) return FromUnsigned(ReadHex(digits.substr(2)), negative);
  if (HasPrefix(digits, 'b')) return FromUnsigned(ReadBinary(digits.substr(2)), negative);
  return FromDecimal(text);
}

TextView StripQuotes(TextView token) {
  if (token.size() < 2 || !IsQuote(CodeUnit(token.front()))) return token;
  return token.substr(1, token.size() - 2);
}

Text UnquoteString(TextView token) {
  const TextView inside = StripQuotes(token);
  if (inside.size() == token.size()) return Text(token);
  const Char quote = token.front();
  Text text;
  for (size_t i = 0; i < inside.size(); ++i) {
    text.push_back(inside[i]);
    if (inside[i] == quote && i + 1 < inside.size() && inside[i + 1] == quote) ++i;
  }
  return text;
}

Value NumberLiteralValue(TextView text) {
  const TNumberLiteral number = ReadNumberLiteral(text);
  Value value;
  switch (number.kind) {
    case TNumberLiteral::kInt32: value.SetInt(int32_t(number.integer)); break;
    case TNumberLiteral::kUInt32: value.SetUInt32(uint32_t(number.integer)); break;
    case TNumberLiteral::kInt64: value.SetInt64(number.integer); break;
    case TNumberLiteral::kDouble: value.SetDouble(number.real); break;
  }
  return value;
}

}  // namespace runtime
