#include "number_render.h"

#include <algorithm>
#include <string>

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
