#include "runtime/format/text_format.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/text_limit.h"
#include "runtime/value/convert.h"
#include "runtime/value/text_access.h"
#include "runtime/value/value.h"
#include "runtime/format/format_support.h"

namespace runtime {

namespace {

void Put(Text& out, TextView piece) {
  CheckTextLength(uint64_t(out.size()) + piece.size());
  out += piece;
}

}  // namespace

Text FormatText(TextView pattern, std::span<const Value> arguments) {
  FormatArguments args(arguments);
  Text out;
  size_t i = 0;
  while (i < pattern.size()) {
    size_t percent = pattern.find(Char('%'), i);
    Put(out, pattern.substr(i, percent - i));
    if (percent == TextView::npos) break;
    if (percent + 1 < pattern.size() && pattern[percent + 1] == Char('%')) {
      Put(out, QT("%"));
      i = percent + 2;
      continue;
    }
    Directive d = ReadDirective(pattern, percent, args, i);
    Put(out, FormatField(d, args.Next(d.text)));
  }
  return out;
}

namespace {

constexpr std::string_view kTypes = "duxpefgns";

bool IsDirectiveDigit(Char c) { return c >= Char('0') && c <= Char('9'); }

bool IsDirectiveBody(Char c) {
  return IsDirectiveDigit(c) || c == Char('*') || c == Char(':') || c == Char('-') || c == Char('.');
}

// The length of a count at k: digits or a single "*".
size_t CountLength(TextView body, size_t k) {
  if (k < body.size() && body[k] == Char('*')) return 1;
  size_t n = 0;
  while (k + n < body.size() && IsDirectiveDigit(body[k + n])) ++n;
  return n;
}

class DirectiveReader {
public:
  DirectiveReader(Directive& d, TextView body, FormatArguments& args) : d_(d), body_(body), args_(args) {}

  void Read() {
    size_t n = CountLength(body_, k_);
    if (n > 0 && k_ + n < body_.size() && body_[k_ + n] == Char(':')) {
      args_.MoveTo(size_t(ReadCount()));
      ++k_;
    }
    if (k_ < body_.size() && body_[k_] == Char('-')) {
      d_.leftAlign = true;
      ++k_;
    }
    if (CountLength(body_, k_) > 0) ReadWidth();
    if (k_ < body_.size() && body_[k_] == Char('.')) {
      ++k_;
      d_.precision = ReadCount();
      if (d_.precision < 0) d_.precision = -1;
    }
    if (k_ != body_.size()) RaiseDirectiveError(d_.text, "bad directive");
    if (d_.width > kMaxFieldSize || d_.precision > kMaxFieldSize)
      RaiseDirectiveError(d_.text, "width or precision above 4096");
  }

private:
  void ReadWidth() {
    int width = ReadCount();
    d_.leftAlign = d_.leftAlign || width < 0;
    d_.width = width < 0 ? (width < -kMaxFieldSize ? kMaxFieldSize + 1 : -width) : width;
  }

  // Digits (0 when there are none) or the integer argument of a "*".
  int ReadCount() {
    if (k_ < body_.size() && body_[k_] == Char('*')) {
      ++k_;
      return args_.NextCount(d_.text);
    }
    int value = 0;
    for (; k_ < body_.size() && IsDirectiveDigit(body_[k_]); ++k_)
      value = value > kMaxFieldSize * 1000 ? value : value * 10 + int(body_[k_] - Char('0'));
    return value;
  }

  Directive& d_;
  TextView body_;
  FormatArguments& args_;
  size_t k_ = 0;
};

}  // namespace

const Value& FormatArguments::Next(TextView directive) {
  if (next_ >= values_.size()) RaiseMissingArgument(directive, values_.size());
  return values_[next_++];
}

int FormatArguments::NextCount(TextView directive) {
  const Value& v = Next(directive);
  WholeNumber n;
  if (!WholeNumberOf(v, n)) RaiseArgumentMismatch(directive, "an integer", v);
  if (n.magnitude > uint64_t(INT32_MAX)) return n.negative ? INT32_MIN + 1 : INT32_MAX;
  return n.negative ? -int(n.magnitude) : int(n.magnitude);
}

Directive ReadDirective(TextView pattern, size_t start, FormatArguments& args, size_t& end) {
  Directive d;
  end = start + 1;
  while (end < pattern.size() && IsDirectiveBody(pattern[end])) ++end;
  if (end == pattern.size()) RaiseDirectiveError(pattern.substr(start), "incomplete directive");
  d.text = pattern.substr(start, end - start + 1);
  Char type = LowerAscii(pattern[end]);
  if (CodeUnit(type) >= 0x80 || kTypes.find(char(type)) == std::string_view::npos)
    RaiseDirectiveError(d.text, "unknown type");
  d.type = char(type);
  DirectiveReader(d, pattern.substr(start + 1, end - start - 1), args).Read();
  ++end;
  return d;
}

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

namespace {

WholeNumber Signed(int64_t v, bool wide) { return {v < 0, v < 0 ? 0 - uint64_t(v) : uint64_t(v), wide}; }

}  // namespace

bool WholeNumberOf(const Value& v, WholeNumber& out) {
  switch (v.Type()) {
    case varSmallint: out = Signed(v.AsInt16Raw(), false); return true;
    case varInteger: out = Signed(v.AsInt32Raw(), false); return true;
    case varShortInt: out = Signed(v.AsInt8Raw(), false); return true;
    case varByte: out = Signed(v.AsUInt8Raw(), false); return true;
    case varWord: out = Signed(v.AsUInt16Raw(), false); return true;
    case varLongWord: out = Signed(v.AsUInt32Raw(), false); return true;
    case varInt64: out = Signed(v.AsInt64Raw(), true); return true;
    case varUInt64: out = {false, v.AsUInt64Raw(), true}; return true;
    default: return false;
  }
}

}  // namespace runtime
