#include "runtime/format/number_format.h"

#include <algorithm>
#include <array>
#include <string>

#include "runtime/value/convert.h"
#include "runtime/value/text_access.h"
#include "runtime/value/text_forms.h"
#include "runtime/format/format_support.h"

namespace runtime {

namespace {

Text SpecialText(const Decimal& d) {
  if (d.kind == Decimal::kNaN) return QT("NaN");
  return d.negative ? QT("-INF") : QT("INF");
}

Text GeneralText(const Value& number, bool isNumber) {
  return TextFromAscii(isNumber ? NumberValueText(number) : FormatDouble(ToDouble(number)));
}

const NumberSection* NonEmpty(const std::vector<NumberSection>& sections, size_t index) {
  return index < sections.size() && !sections[index].empty ? &sections[index] : nullptr;
}

Text RenderZero(const std::vector<NumberSection>& sections) {
  const NumberSection* zero = NonEmpty(sections, 2);
  return RenderSection(zero ? *zero : sections[0], Decimal());
}

// A script formats many numbers by a few patterns: the latest patterns are
// kept parsed, the oldest making room. A bad pattern is not kept and raises
// at every use. The runtime runs on one thread.
const std::vector<NumberSection>& ParsedPattern(TextView pattern) {
  struct Entry {
    Text pattern;
    std::vector<NumberSection> sections;
  };
  constexpr size_t kEntries = 4;
  static std::array<Entry, kEntries> cache;
  static size_t oldest = 0;
  for (const Entry& entry : cache)
    if (!entry.sections.empty() && entry.pattern == pattern) return entry.sections;
  std::vector<NumberSection> parsed = ParseNumberPattern(pattern);
  Entry& entry = cache[oldest];
  oldest = (oldest + 1) % kEntries;
  entry.pattern = pattern;
  entry.sections = std::move(parsed);
  return entry.sections;
}

}  // namespace

Text FormatNumber(const Value& number, TextView pattern) {
  Decimal d;
  bool isNumber = DecimalOfNumber(number, d);
  if (!isNumber) d = DecimalOfDouble(ToDouble(number));
  if (d.kind != Decimal::kFinite) return SpecialText(d);
  const std::vector<NumberSection>& sections = ParsedPattern(pattern);
  if (sections[0].empty) return GeneralText(number, isNumber);
  const NumberSection* negative = d.negative ? NonEmpty(sections, 1) : nullptr;
  const NumberSection& chosen = negative ? *negative : sections[0];
  RoundForSection(chosen, d);
  if (d.IsZero()) return RenderZero(sections);
  Text out = RenderSection(chosen, d);
  return d.negative && !negative ? QT("-") + out : out;
}

namespace {

constexpr size_t kMaxSections = 3;

[[noreturn]] void RaiseBadPattern(TextView pattern, std::string_view problem) {
  RaisePatternError("Number", pattern, problem);
}

void AddLiteral(NumberSection& s, TextView text) {
  if (s.tokens.empty() || s.tokens.back().kind != NumberSection::kLiteral)
    s.tokens.push_back({NumberSection::kLiteral, Text(), false, 0});
  s.tokens.back().text += text;
}

void AddDigit(NumberSection& s, bool zero, bool afterPoint) {
  s.tokens.push_back({NumberSection::kDigit, Text(), false, 0});
  if (afterPoint) {
    ++s.fractionPlaces;
    if (zero) s.forcedFraction = s.fractionPlaces;
  } else {
    ++s.wholePlaces;
    if (zero && s.forcedWhole == 0) s.forcedWhole = 1;
    else if (s.forcedWhole > 0) ++s.forcedWhole;
  }
}

bool IsExponentAt(TextView p, size_t i) {
  bool letter = p[i] == Char('E') || p[i] == Char('e');
  return letter && i + 1 < p.size() && (p[i + 1] == Char('+') || p[i + 1] == Char('-'));
}

// Reads "E+00" at i; returns the index after it.
size_t AddExponent(NumberSection& s, TextView p, size_t i) {
  NumberSection::Token t{NumberSection::kExponent, Text(1, p[i]), p[i + 1] == Char('+'), 0};
  for (i += 2; i < p.size() && p[i] == Char('0'); ++i) ++t.exponentDigits;
  s.tokens.push_back(std::move(t));
  s.scientific = true;
  return i;
}

NumberSection ParseSection(TextView section, TextView pattern) {
  NumberSection s;
  s.empty = section.empty();
  bool afterPoint = false;
  for (size_t i = 0; i < section.size();) {
    Char c = section[i];
    if (IsPatternQuote(c)) {
      size_t close = ClosingQuote(section, i);
      if (close == TextView::npos) RaiseBadPattern(pattern, "quote not closed");
      AddLiteral(s, section.substr(i + 1, close - i - 1));
      i = close + 1;
    } else if (s.scientific) {
      AddLiteral(s, section.substr(i++, 1));
    } else if (c == Char('0') || c == Char('#')) {
      AddDigit(s, c == Char('0'), afterPoint);
      ++i;
    } else if (c == Char('.')) {
      if (!afterPoint) s.tokens.push_back({NumberSection::kPoint, Text(), false, 0});
      afterPoint = true;
      ++i;
    } else if (c == Char(',')) {
      s.grouped = true;
      ++i;
    } else if (IsExponentAt(section, i)) {
      i = AddExponent(s, section, i);
    } else {
      AddLiteral(s, section.substr(i++, 1));
    }
  }
  return s;
}

// Splits at ";" outside quotes; a quote left open runs to the end.
std::vector<TextView> SplitSections(TextView pattern) {
  std::vector<TextView> parts;
  size_t start = 0;
  for (size_t i = 0; i < pattern.size(); ++i) {
    if (IsPatternQuote(pattern[i])) {
      size_t close = ClosingQuote(pattern, i);
      if (close == TextView::npos) break;
      i = close;
    } else if (pattern[i] == Char(';')) {
      parts.push_back(pattern.substr(start, i - start));
      start = i + 1;
    }
  }
  parts.push_back(pattern.substr(start));
  return parts;
}

}  // namespace

std::vector<NumberSection> ParseNumberPattern(TextView pattern) {
  std::vector<TextView> parts = SplitSections(pattern);
  if (parts.size() > kMaxSections) RaiseBadPattern(pattern, "more than three sections");
  std::vector<NumberSection> sections;
  for (TextView part : parts) sections.push_back(ParseSection(part, pattern));
  return sections;
}

namespace {

// Digits of the mantissa before the point in exponent form.
int MantissaWholeDigits(const NumberSection& s) { return std::max(1, s.wholePlaces); }

struct Layout {
  std::string whole;     // padded to the forced digits
  std::string fraction;  // as many digits as are shown
  int exponent = 0;
};

Layout LayOut(const NumberSection& s, Decimal d) {
  Layout out;
  if (s.scientific && !d.IsZero()) {
    out.exponent = d.point - MantissaWholeDigits(s);
    d.point = MantissaWholeDigits(s);
  }
  out.whole = WholeDigits(d);
  if (out.whole.size() < size_t(s.forcedWhole)) out.whole.insert(0, size_t(s.forcedWhole) - out.whole.size(), '0');
  out.fraction = FractionDigits(d, s.fractionPlaces);
  size_t shown = out.fraction.find_last_not_of('0') + 1;  // npos + 1 is 0
  out.fraction.resize(std::max(shown, size_t(s.forcedFraction)));
  return out;
}

class SectionWriter {
public:
  SectionWriter(const NumberSection& s, const Layout& layout) : s_(s), layout_(layout) {}

  Text Write() {
    for (const NumberSection::Token& t : s_.tokens) WriteToken(t);
    return out_;
  }

private:
  void WriteToken(const NumberSection::Token& t) {
    switch (t.kind) {
      case NumberSection::kLiteral: out_ += t.text; break;
      case NumberSection::kDigit: WriteDigitPlace(); break;
      case NumberSection::kPoint: WritePoint(); break;
      case NumberSection::kExponent: WriteExponent(t); break;
    }
  }

  void WriteDigitPlace() {
    if (wholeSeen_ < s_.wholePlaces) {
      int position = s_.wholePlaces - 1 - wholeSeen_++;
      int highest = wholeSeen_ == 1 ? int(layout_.whole.size()) - 1 : position;
      WholeDigitsDownTo(highest, position);
    } else if (size_t(fractionSeen_) < layout_.fraction.size()) {
      out_ += Char(layout_.fraction[size_t(fractionSeen_++)]);
    }
  }

  // Whole digits at positions (counted from the point) from high down to low.
  void WholeDigitsDownTo(int high, int low) {
    int size = int(layout_.whole.size());
    for (int p = std::min(high, size - 1); p >= low; --p) {
      out_ += Char(layout_.whole[size_t(size - 1 - p)]);
      if (s_.grouped && p > 0 && p % 3 == 0) out_ += Char(',');
    }
  }

  void WritePoint() {
    if (s_.wholePlaces == 0) WholeDigitsDownTo(int(layout_.whole.size()) - 1, 0);
    if (!layout_.fraction.empty()) out_ += Char('.');
  }

  void WriteExponent(const NumberSection::Token& t) {
    out_ += t.text;
    if (layout_.exponent < 0) out_ += Char('-');
    else if (t.plusSign) out_ += Char('+');
    std::string digits = std::to_string(std::abs(layout_.exponent));
    if (digits.size() < size_t(t.exponentDigits)) digits.insert(0, size_t(t.exponentDigits) - digits.size(), '0');
    for (char c : digits) out_ += Char(c);
  }

  const NumberSection& s_;
  const Layout& layout_;
  Text out_;
  int wholeSeen_ = 0;
  int fractionSeen_ = 0;
};

}  // namespace

void RoundForSection(const NumberSection& s, Decimal& d) {
  if (s.scientific) RoundToSignificant(d, MantissaWholeDigits(s) + s.fractionPlaces);
  else RoundToDecimals(d, s.fractionPlaces);
}

Text RenderSection(const NumberSection& s, const Decimal& rounded) {
  Layout layout = LayOut(s, rounded);
  return SectionWriter(s, layout).Write();
}

}  // namespace runtime
