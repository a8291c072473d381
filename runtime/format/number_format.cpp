#include "number_format.h"

#include "../value/convert.h"
#include "../value/text_access.h"
#include "../value/text_forms.h"
#include "decimal.h"
#include "number_pattern.h"
#include "number_render.h"

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

}  // namespace

Text FormatNumber(const Value& number, TextView pattern) {
  Decimal d;
  bool isNumber = DecimalOfNumber(number, d);
  if (!isNumber) d = DecimalOfDouble(ToDouble(number));
  if (d.kind != Decimal::kFinite) return SpecialText(d);
  std::vector<NumberSection> sections = ParseNumberPattern(pattern);
  if (sections[0].empty) return GeneralText(number, isNumber);
  const NumberSection* negative = d.negative ? NonEmpty(sections, 1) : nullptr;
  const NumberSection& chosen = negative ? *negative : sections[0];
  RoundForSection(chosen, d);
  if (d.IsZero()) return RenderZero(sections);
  Text out = RenderSection(chosen, d);
  return d.negative && !negative ? QT("-") + out : out;
}
