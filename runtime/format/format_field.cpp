#include "format_field.h"

#include <algorithm>
#include <string>

#include "../value/convert.h"
#include "../value/text_access.h"
#include "decimal.h"
#include "float_text.h"
#include "format_error.h"
#include "whole_number.h"

namespace {

constexpr int kDefaultDecimals = 2;
constexpr int kDefaultDigits = 15;
constexpr int kPointerDigits = 8;

std::string PadDigits(std::string digits, int count) {
  if (digits.size() < size_t(count)) digits.insert(0, size_t(count) - digits.size(), '0');
  return digits;
}

// Negative numbers as their two's complement, 32 bits wide unless 64-bit.
uint64_t Unsigned(const WholeNumber& n) {
  if (!n.negative) return n.magnitude;
  uint64_t bits = 0 - n.magnitude;
  return n.wide ? bits : uint32_t(bits);
}

std::string Hex(uint64_t v) {
  static const char kDigits[] = "0123456789ABCDEF";
  std::string out;
  do out.insert(out.begin(), kDigits[v % 16]); while ((v /= 16) != 0);
  return out;
}

std::string IntegerText(const Directive& d, const Value& argument) {
  WholeNumber n;
  if (!WholeNumberOf(argument, n)) RaiseArgumentMismatch(d.text, "an integer", argument);
  int minDigits = std::max(d.precision, 0);
  switch (d.type) {
    case 'd': return std::string(n.negative ? 1 : 0, '-') + PadDigits(std::to_string(n.magnitude), minDigits);
    case 'u': return PadDigits(std::to_string(Unsigned(n)), minDigits);
    case 'x': return PadDigits(Hex(Unsigned(n)), minDigits);
    default: return PadDigits(Hex(Unsigned(n)), std::max(minDigits, kPointerDigits));
  }
}

std::string FloatText(const Directive& d, const Value& argument) {
  Decimal n;
  if (!DecimalOfNumber(argument, n)) RaiseArgumentMismatch(d.text, "a number", argument);
  int decimals = d.precision < 0 ? kDefaultDecimals : d.precision;
  int digits = d.precision < 0 ? kDefaultDigits : std::max(d.precision, 1);
  switch (d.type) {
    case 'e': return ScientificText(n, digits);
    case 'f': return FixedText(n, decimals, false);
    case 'n': return FixedText(n, decimals, true);
    default: return GeneralText(n, digits);
  }
}

Text FieldText(const Directive& d, const Value& argument) {
  switch (d.type) {
    case 's': {
      Text text = ToText(argument);
      if (d.precision >= 0 && text.size() > size_t(d.precision)) text.resize(size_t(d.precision));
      return text;
    }
    case 'e':
    case 'f':
    case 'g':
    case 'n': return TextFromAscii(FloatText(d, argument));
    default: return TextFromAscii(IntegerText(d, argument));
  }
}

}  // namespace

Text FormatField(const Directive& d, const Value& argument) {
  Text text = FieldText(d, argument);
  if (text.size() >= size_t(d.width)) return text;
  Text padding(size_t(d.width) - text.size(), Char(' '));
  return d.leftAlign ? text + padding : padding + text;
}
