#include "runtime/value/predicates.h"

#include <algorithm>

#include "runtime/value/arith.h"
#include "runtime/value/convert.h"
#include "runtime/value/text_access.h"
#include "runtime/value/text_forms.h"

namespace runtime {

bool IsStringType(VarType type) { return type == varOleStr || type == varString || type == varUString; }

bool IsIntegerType(VarType type) {
  return type == varSmallint || type == varInteger || type == varBoolean || (type >= varShortInt && type <= varUInt64);
}

bool IsIntegerLike(const Value& v) {
  if (IsIntegerType(v.Type())) return true;
  if (!IsStringType(v.Type())) return false;
  return VisitText(v, [](auto view) {
    for (auto c : view)
      if (c < '0' || c > '9') return false;
    return !view.empty();
  });
}

bool IsDispatchValue(const Value& v) { return v.Type() == varDispatch; }

bool IsEmptyOrZero(const Value& v) {
  switch (v.Type()) {
    case varEmpty:
    case varNull: return true;
    case varOleStr:
    case varString:
    case varUString: return TextLength(v) == 0;
    case varDouble:
    case varCurrency:
    case varDate:
    case varInt64:
    case varUInt64: return v.Bits() == 0;
    case varDispatch:
    case varUnknown:
    case varObject:
    case varCountedObject:
    case varVariantArray:
    case varByteArray: return v.Pointer() == nullptr;
    default: return uint32_t(v.Bits()) == 0;
  }
}

bool ValueToBoolSlow(const Value& v) {
  if (!IsStringType(v.Type())) return ToBool(v);
  std::optional<bool> b = BoolOfText(v);
  return b ? *b : !IsEmptyOrZero(v);
}

namespace {

template <class T>
int Order(T a, T b) {
  if (a == b) return kCompareEqual;
  return a < b ? kCompareLess : kCompareGreater;  // unordered doubles give "greater"
}

unsigned FoldUnit(unsigned c) { return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c; }

template <class C>
int CompareUnits(std::basic_string_view<C> a, std::basic_string_view<C> b, bool fold) {
  using U = std::make_unsigned_t<C>;
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    unsigned x = U(a[i]), y = U(b[i]);
    if (fold) x = FoldUnit(x), y = FoldUnit(y);
    if (x != y) return Order(x, y);
  }
  return Order(a.size(), b.size());
}

bool SameWidth(const Value& a, const Value& b) {
  bool narrowA = a.Type() == varString, narrowB = b.Type() == varString;
  if (narrowA != narrowB) return false;
  if (!narrowA) return true;
  uint16_t pageA = a.Text8() ? a.Text8()->codePage : 0, pageB = b.Text8() ? b.Text8()->codePage : 0;
  return pageA == pageB;
}

std::string_view View8(const Value& v) { return v.Text8() ? v.Text8()->View() : std::string_view(); }
std::u16string_view View16(const Value& v) { return v.Text16() ? v.Text16()->View() : std::u16string_view(); }

int CompareTexts(const Value& a, const Value& b, bool fold) {
  if (!SameWidth(a, b)) return CompareUnits<char16_t>(Utf16Of(a), Utf16Of(b), fold);
  if (a.Type() == varString) return CompareUnits(View8(a), View8(b), fold);
  return CompareUnits(View16(a), View16(b), fold);
}

// Integers scaled to currency; false when the integer is beyond currency's range.
bool Scaled(const Number& n, int64_t& out) {
  out = n.i;
  return n.kind == Number::kCurrency || IntegerToCurrency(n.i, out);
}

int CompareNumbers(const Number& x, const Number& y) {
  if (x.kind == Number::kInt && y.kind == Number::kInt) return Order(x.i, y.i);
  if (x.kind != Number::kDouble && y.kind != Number::kDouble) {
    int64_t sx = 0, sy = 0;
    if (!Scaled(x, sx)) return x.i > 0 ? kCompareGreater : kCompareLess;
    if (!Scaled(y, sy)) return y.i > 0 ? kCompareLess : kCompareGreater;
    return Order(sx, sy);
  }
  return Order(NumberToDouble(x), NumberToDouble(y));
}

bool IsBlank(const Value& v) { return v.Type() == varEmpty || v.Type() == varNull; }

// The general comparison, after the quick rules: empty and null count as the
// empty text against a text, as 0 against anything else.
int VariantCompare(const Value& a, const Value& b, bool caseSensitive) {
  bool textA = IsStringType(a.Type()), textB = IsStringType(b.Type());
  if (textA && textB) return CompareTexts(a, b, !caseSensitive);
  if (textA && IsBlank(b)) return TextLength(a) == 0 ? kCompareEqual : kCompareGreater;
  if (textB && IsBlank(a)) return TextLength(b) == 0 ? kCompareEqual : kCompareLess;
  return CompareNumbers(ToNumber(a, varDouble), ToNumber(b, varDouble));
}

bool IsReference(VarType t) { return t == varObject || t == varCountedObject; }

}  // namespace

int CompareValues(const Value& a, const Value& b, bool caseSensitive) {
  bool zeroA = IsEmptyOrZero(a), zeroB = IsEmptyOrZero(b);
  if (zeroA && zeroB) return kCompareEqual;
  VarType ta = a.Type(), tb = b.Type();
  if ((zeroA && tb == varDispatch) || (zeroB && ta == varDispatch)) return kCompareNone;
  if (ta == varInteger && tb == varInteger) return Order(a.AsInt32Raw(), b.AsInt32Raw());
  if (ta == varDouble && tb == varDouble) return Order(a.AsDoubleRaw(), b.AsDoubleRaw());
  if (ta == varInteger && tb == varDouble) return Order(double(a.AsInt32Raw()), b.AsDoubleRaw());
  if (ta == varDouble && tb == varInteger) return Order(a.AsDoubleRaw(), double(b.AsInt32Raw()));
  if (ta >= varObject) {
    bool sameKind = ta == tb || (IsReference(ta) && IsReference(tb));
    return sameKind && a.Pointer() == b.Pointer() ? kCompareEqual : kCompareNone;
  }
  if (tb >= varObject) return kCompareNone;
  bool textA = IsStringType(ta), textB = IsStringType(tb);
  if (textA && textB && !caseSensitive) return CompareTexts(a, b, true);
  if (textA != textB && !IsIntegerLike(textA ? a : b)) return kCompareNone;
  return VariantCompare(a, b, caseSensitive);
}

}  // namespace runtime
