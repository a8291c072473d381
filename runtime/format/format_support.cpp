#include "runtime/format/format_support.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <type_traits>
#include <string>

#include "runtime/error.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/value/text_access.h"
#include "runtime/value/text_forms.h"
#include "runtime/value/value.h"
#include "runtime/format/text_format.h"

namespace runtime {

namespace {

void StripTrailingZeros(Decimal& d) {
  while (!d.digits.empty() && d.digits.back() == '0') d.digits.pop_back();
  if (d.digits.empty()) d.point = 0;
}

// Keeps the first keep digits; the digit after them decides the rounding.
void RoundAt(Decimal& d, long keep) {
  if (d.kind != Decimal::kFinite || keep >= long(d.digits.size())) return;
  bool up = keep >= 0 && d.digits[size_t(keep)] >= '5';
  d.digits.resize(size_t(keep < 0 ? 0 : keep));
  if (up) {
    size_t i = d.digits.size();
    while (i > 0 && d.digits[i - 1] == '9') d.digits[--i] = '0';
    if (i == 0) {
      d.digits.insert(d.digits.begin(), '1');
      ++d.point;
    } else {
      ++d.digits[i - 1];
    }
  }
  StripTrailingZeros(d);
}

// The shortest digits that read back as a normal Double are its digits
// rounded to as many places, up to 15: the Double lies within half a unit
// in their last place, less than half a step of 15 digits. They are the
// cheaper to find. Empty when they cannot stand in (more digits, fewer
// places wanted than they have, a subnormal, a Single).
template <class F>
std::string_view ShortestDigits(F x, int significant, char* buffer, size_t size) {
  constexpr int kExactUpTo = 15;
  if (!std::is_same_v<F, double> || significant > kExactUpTo || std::fabs(x) < std::numeric_limits<double>::min())
    return {};
  auto end = std::to_chars(buffer, buffer + size, x, std::chars_format::scientific).ptr;
  std::string_view text(buffer, size_t(end - buffer));
  const std::string_view mantissa = text.substr(0, text.find('e'));
  const auto digits = std::count_if(mantissa.begin(), mantissa.end(), [](char c) { return c >= '0' && c <= '9'; });
  return digits <= significant ? text : std::string_view();
}

// Most Doubles a script formats are a whole number of units, tenths or
// hundredths: m / 10^k for a whole m below 10^15. When m / 10^k reads back as
// the Double, its digits are the Double's 15-digit ones (as above), found
// without writing the Double out.
bool FewDecimals(double x, int significant, Decimal& d) {
  constexpr double kScales[] = {1, 10, 100, 1000, 10000};
  constexpr double kTooMany = 1e15;
  const double magnitude = std::fabs(x);
  if (significant > 15 || magnitude < std::numeric_limits<double>::min()) return false;
  for (int k = 0; k < int(std::size(kScales)); ++k) {
    const double scaled = magnitude * kScales[k];
    if (scaled >= kTooMany) return false;
    if (scaled != std::floor(scaled)) continue;
    const auto whole = static_cast<uint64_t>(scaled);
    if (static_cast<double>(whole) / kScales[k] != magnitude) continue;
    Decimal found = DecimalOfInteger(d.negative, whole);
    if (long(found.digits.size()) > significant) return false;
    found.point -= k;
    d = std::move(found);
    return true;
  }
  return false;
}

template <class F>
Decimal DecimalOfFloating(F x, int significant) {
  Decimal d;
  d.negative = std::signbit(x) && !std::isnan(x);
  if (std::isnan(x)) d.kind = Decimal::kNaN;
  if (std::isinf(x)) d.kind = Decimal::kInfinite;
  if (d.kind != Decimal::kFinite || x == 0) return d;
  if constexpr (std::is_same_v<F, double>)
    if (FewDecimals(x, significant, d)) return d;
  char buffer[64];
  std::string_view text = ShortestDigits(x, significant, buffer, sizeof buffer);
  if (text.empty()) {
    auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, significant - 1).ptr;
    text = std::string_view(buffer, size_t(end - buffer));
  }
  size_t e = text.find('e');
  for (char c : text.substr(0, e))
    if (c >= '0' && c <= '9') d.digits += c;
  std::string_view exponent = text.substr(e + 1);
  if (exponent[0] == '+') exponent.remove_prefix(1);
  std::from_chars(exponent.data(), exponent.data() + exponent.size(), d.point);
  ++d.point;
  StripTrailingZeros(d);
  return d;
}

}  // namespace

Decimal DecimalOfDouble(double x, int significant) { return DecimalOfFloating(x, significant); }

Decimal DecimalOfInteger(bool negative, uint64_t magnitude) {
  Decimal d;
  d.negative = negative;
  if (magnitude == 0) return d;
  d.digits = std::to_string(magnitude);
  d.point = int(d.digits.size());
  StripTrailingZeros(d);
  return d;
}

bool DecimalOfNumber(const Value& v, Decimal& out) {
  WholeNumber whole;
  if (WholeNumberOf(v, whole)) {
    out = DecimalOfInteger(whole.negative, whole.magnitude);
    return true;
  }
  switch (v.Type()) {
    case varCurrency: {
      int64_t scaled = v.AsCurrencyRaw();
      out = DecimalOfInteger(scaled < 0, scaled < 0 ? 0 - uint64_t(scaled) : uint64_t(scaled));
      if (!out.IsZero()) out.point -= 4;
      return true;
    }
    case varSingle: out = DecimalOfFloating(v.AsSingleRaw(), 7); return true;
    case varDouble:
    case varDate: out = DecimalOfFloating(v.AsDoubleRaw(), 15); return true;
    default: return false;
  }
}

void RoundToDecimals(Decimal& d, int decimals) { RoundAt(d, long(d.point) + decimals); }

void RoundToSignificant(Decimal& d, int count) { RoundAt(d, count < 1 ? 1 : count); }

std::string WholeDigits(const Decimal& d) {
  if (d.point <= 0) return "";
  std::string out = d.digits.substr(0, size_t(d.point));
  out.resize(size_t(d.point), '0');
  return out;
}

std::string FractionDigits(const Decimal& d, int count) {
  std::string out;
  out.reserve(size_t(count));
  for (long k = d.point; k < long(d.point) + count; ++k)
    out += k >= 0 && k < long(d.digits.size()) ? d.digits[size_t(k)] : '0';
  return out;
}

namespace {

constexpr size_t kExcerptLength = 40;

Text Quoted(TextView text) {
  if (text.size() <= kExcerptLength) return QT("\"") + Text(text) + QT("\"");
  return QT("\"") + Text(text.substr(0, kExcerptLength)) + QT("...\"");
}

// The type and, for texts and numbers, the value: "Text "12"", "Double 1.5".
Text Describe(const Value& v) {
  Text out = TextFromAscii(TypeName(v.Type()));
  if (IsStringType(v.Type())) return out + QT(" ") + Quoted(BuildTextOf(v));
  std::string number = NumberValueText(v);
  return number.empty() ? out : out + QT(" ") + TextFromAscii(number);
}

Text FormatPrefix(TextView directive) { return QT("Format ") + Quoted(directive); }

}  // namespace

void RaisePatternError(std::string_view kind, TextView pattern, std::string_view problem) {
  RaiseError(TextFromAscii(kind) + QT(" pattern ") + Quoted(pattern) + QT(": ") + TextFromAscii(problem));
}

void RaiseArgumentMismatch(TextView directive, std::string_view wanted, const Value& argument) {
  RaiseError(FormatPrefix(directive) + QT(" needs ") + TextFromAscii(wanted) + QT(", not ") + Describe(argument));
}

void RaiseMissingArgument(TextView directive, size_t given) {
  RaiseError(FormatPrefix(directive) + QT(": too few arguments (") + TextFromAscii(std::to_string(given)) +
             QT(" given)"));
}

void RaiseDirectiveError(TextView directive, std::string_view problem) {
  RaiseError(FormatPrefix(directive) + QT(": ") + TextFromAscii(problem));
}

}  // namespace runtime
