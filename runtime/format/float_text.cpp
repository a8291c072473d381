#include "float_text.h"

#include <algorithm>

namespace {

// "NaN", "INF" or "-INF"; empty for a finite number.
std::string SpecialFloatText(const Decimal& d) {
  if (d.kind == Decimal::kNaN) return std::string("NaN");
  if (d.kind == Decimal::kInfinite) return std::string(d.negative ? "-INF" : "INF");
  return std::string();
}

std::string Sign(const Decimal& d) { return std::string(d.negative && !d.IsZero() ? 1 : 0, '-'); }

std::string Grouped(const std::string& whole) {
  std::string out;
  for (size_t i = 0; i < whole.size(); ++i) {
    if (i > 0 && (whole.size() - i) % 3 == 0) out += ',';
    out += whole[i];
  }
  return out;
}

// "d.ddd" from the significant digits, padded with zeros to count.
std::string Mantissa(const Decimal& d, int count) {
  std::string digits = d.digits.empty() ? "0" : d.digits;
  digits.resize(size_t(std::max(count, 1)), '0');
  return digits.size() > 1 ? digits.substr(0, 1) + "." + digits.substr(1) : digits;
}

int Exponent(const Decimal& d) { return d.IsZero() ? 0 : d.point - 1; }

}  // namespace

std::string FixedText(Decimal d, int decimals, bool grouped) {
  if (d.kind != Decimal::kFinite) return SpecialFloatText(d);
  RoundToDecimals(d, decimals);
  std::string whole = d.point > 0 ? WholeDigits(d) : std::string(1, '0');
  std::string out = Sign(d) + (grouped ? Grouped(whole) : whole);
  return decimals > 0 ? out + "." + FractionDigits(d, decimals) : out;
}

std::string ScientificText(Decimal d, int digits) {
  if (d.kind != Decimal::kFinite) return SpecialFloatText(d);
  RoundToSignificant(d, digits);
  int exponent = Exponent(d);
  std::string power = std::to_string(std::abs(exponent));
  if (power.size() < 3) power.insert(0, 3 - power.size(), '0');
  return Sign(d) + Mantissa(d, digits) + (exponent < 0 ? "E-" : "E+") + power;
}

std::string GeneralText(Decimal d, int digits) {
  if (d.kind != Decimal::kFinite) return SpecialFloatText(d);
  RoundToSignificant(d, digits);
  if (d.IsZero()) return "0";
  int exponent = Exponent(d);
  if (exponent < -5 || exponent >= std::max(digits, 1))
    return Sign(d) + Mantissa(d, int(d.digits.size())) + (exponent < 0 ? "E-" : "E+") +
           std::to_string(std::abs(exponent));
  std::string whole = WholeDigits(d);
  int decimals = std::max(0, int(d.digits.size()) - d.point);
  std::string out = Sign(d) + (whole.empty() ? "0" : whole);
  return decimals > 0 ? out + "." + FractionDigits(d, decimals) : out;
}
