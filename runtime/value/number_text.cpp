#include "number_text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

#include "value.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

size_t SkipDigits(std::string_view s, size_t i) {
  while (i < s.size() && IsDigit(s[i])) ++i;
  return i;
}

// Decimal power of the first non-zero digit: above 0 a range error is an
// overflow, below it an underflow.
int64_t LeadingPower(std::string_view s) {
  size_t i = s[0] == '+' || s[0] == '-' ? 1 : 0;
  size_t intEnd = SkipDigits(s, i);
  int64_t power = int64_t(intEnd - i) - 1;
  for (; i < s.size() && s[i] != 'e' && s[i] != 'E'; ++i) {
    if (s[i] == '.') continue;
    if (s[i] != '0') break;
    --power;
  }
  size_t e = s.find_first_of("eE");
  if (e == std::string_view::npos) return power;
  bool negative = s[e + 1] == '-';
  int64_t exponent = 0;
  for (size_t k = e + 1; k < s.size(); ++k)
    if (IsDigit(s[k]) && exponent < 100000) exponent = exponent * 10 + (s[k] - '0');
  return power + (negative ? -exponent : exponent);
}

bool ParseInteger(std::string_view s, Number& out) {
  if (s[0] == '+') s.remove_prefix(1);
  int64_t v = 0;
  auto [end, error] = std::from_chars(s.data(), s.data() + s.size(), v);
  if (error != std::errc() || end != s.data() + s.size()) return false;
  out = Number::Int(v);
  return true;
}

NumberParse ParseFloating(std::string_view s, Number& out) {
  std::string_view digits = s[0] == '+' ? s.substr(1) : s;
  double v = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), v);
  if (error == std::errc::result_out_of_range) {
    if (LeadingPower(s) > 0) return NumberParse::kOverflow;
    v = s[0] == '-' ? -0.0 : 0.0;
  } else if (error != std::errc() || end != digits.data() + digits.size()) {
    return NumberParse::kNotNumber;
  }
  out = Number::Double(v);
  return NumberParse::kOk;
}

// Lays out "-d.ddde+XX" (as to_chars writes it) in the fixed form.
std::string Layout(std::string_view scientific) {
  bool negative = scientific[0] == '-';
  size_t e = scientific.find('e');
  std::string digits;
  for (char c : scientific.substr(0, e))
    if (IsDigit(c)) digits += c;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  std::string_view exponentText = scientific.substr(e + 1);
  if (exponentText[0] == '+') exponentText.remove_prefix(1);
  int exponent = 0;
  std::from_chars(exponentText.data(), exponentText.data() + exponentText.size(), exponent);
  std::string out = negative ? "-" : "";
  if (exponent < -5 || exponent >= 15) {
    out += digits[0];
    if (digits.size() > 1) out.append(".").append(digits, 1);
    return out + (exponent < 0 ? "E-" : "E+") + std::to_string(std::abs(exponent));
  }
  if (exponent < 0) return out + "0." + std::string(size_t(-exponent - 1), '0') + digits;
  size_t whole = size_t(exponent) + 1;
  if (digits.size() <= whole) return out + digits + std::string(whole - digits.size(), '0');
  return out + digits.substr(0, whole) + "." + digits.substr(whole);
}

size_t MantissaDigits(std::string_view scientific) {
  size_t n = 0;
  for (char c : scientific.substr(0, scientific.find('e'))) n += IsDigit(c);
  return n;
}

template <class F>
std::string FormatFloating(F x, int maxDigits) {
  if (std::isnan(x)) return "NaN";
  if (std::isinf(x)) return x < 0 ? "-INF" : "INF";
  if (x == 0) return "0";
  char buffer[64];
  auto r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific);
  if (MantissaDigits({buffer, r.ptr}) > size_t(maxDigits))
    r = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, maxDigits - 1);
  return Layout({buffer, r.ptr});
}

}  // namespace

NumberParse ParseNumber(std::string_view s, Number& out) {
  size_t i = !s.empty() && (s[0] == '+' || s[0] == '-') ? 1 : 0;
  size_t intEnd = SkipDigits(s, i);
  size_t digitCount = intEnd - i;
  i = intEnd;
  bool point = i < s.size() && s[i] == '.';
  if (point) {
    size_t fractionEnd = SkipDigits(s, i + 1);
    digitCount += fractionEnd - i - 1;
    i = fractionEnd;
  }
  if (digitCount == 0) return NumberParse::kNotNumber;
  bool exponent = i < s.size() && (s[i] == 'e' || s[i] == 'E');
  if (exponent) {
    size_t start = i + 1 < s.size() && (s[i + 1] == '+' || s[i + 1] == '-') ? i + 2 : i + 1;
    i = SkipDigits(s, start);
    if (i == start) return NumberParse::kNotNumber;
  }
  if (i != s.size()) return NumberParse::kNotNumber;
  if (!point && !exponent && ParseInteger(s, out)) return NumberParse::kOk;
  return ParseFloating(s, out);
}

std::string FormatDouble(double x) { return FormatFloating(x, 15); }

std::string FormatSingle(float x) { return FormatFloating(x, 7); }

std::string FormatCurrency(int64_t scaled) {
  uint64_t magnitude = scaled < 0 ? 0 - uint64_t(scaled) : uint64_t(scaled);
  std::string out = scaled < 0 ? "-" : "";
  out += std::to_string(magnitude / 10000);
  std::string fraction = std::to_string(magnitude % 10000 + 10000).substr(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.pop_back();
  return fraction.empty() ? out : out + "." + fraction;
}

std::string NumberValueText(const Value& v) {
  switch (v.Type()) {
    case varSmallint: return std::to_string(v.AsInt16Raw());
    case varInteger: return std::to_string(v.AsInt32Raw());
    case varShortInt: return std::to_string(v.AsInt8Raw());
    case varByte: return std::to_string(v.AsUInt8Raw());
    case varWord: return std::to_string(v.AsUInt16Raw());
    case varLongWord: return std::to_string(v.AsUInt32Raw());
    case varInt64: return std::to_string(v.AsInt64Raw());
    case varUInt64: return std::to_string(v.AsUInt64Raw());
    case varSingle: return FormatSingle(v.AsSingleRaw());
    case varDouble:
    case varDate: return FormatDouble(v.AsDoubleRaw());
    case varCurrency: return FormatCurrency(v.AsCurrencyRaw());
    default: return "";
  }
}
