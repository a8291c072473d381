#include "runtime/value/convert.h"

#include <cmath>

#include "runtime/error.h"
#include "runtime/value/arith.h"
#include "runtime/value/predicates.h"
#include "runtime/value/text_access.h"
#include "runtime/value/text_forms.h"

namespace runtime {

namespace {

bool IsObjectRef(VarType t) { return t == varObject || t == varCountedObject; }

Number TextNumber(const Value& text, VarType target) {
  Number n;
  NumberParse result = VisitText(text, [&](auto view) { return ParseNumberText(view, n); });
  if (result == NumberParse::kNotNumber) RaiseConversionError(text, target);
  if (result == NumberParse::kOverflow) RaiseOverflow(text, target);
  return n;
}

struct Range {
  int64_t low;
  int64_t high;
};

Range RangeOf(VarType type) {
  switch (type) {
    case varShortInt: return {INT8_MIN, INT8_MAX};
    case varByte: return {0, UINT8_MAX};
    case varSmallint: return {INT16_MIN, INT16_MAX};
    case varWord: return {0, UINT16_MAX};
    case varInteger: return {INT32_MIN, INT32_MAX};
    case varLongWord: return {0, UINT32_MAX};
    default: return {INT64_MIN, INT64_MAX};
  }
}

// Text of a value that is not a text: plain ASCII in both builds.
std::string AsciiText(const Value& v) {
  switch (v.Type()) {
    case varEmpty:
    case varNull:
    case varObject:
    case varCountedObject: return "";
    case varBoolean: return std::string(BoolText(v.AsBoolRaw() != 0));
    case varDate: {
      std::string out;
      if (!FormatDate(v.AsDoubleRaw(), out)) RaiseOverflow(v, varUString);
      return out;
    }
    default: {
      std::string out = NumberValueText(v);
      if (out.empty()) RaiseConversionError(v, varUString);
      return out;
    }
  }
}

}  // namespace

Number ToNumber(const Value& v, VarType target) {
  switch (v.Type()) {
    case varEmpty:
    case varNull:
    case varObject:
    case varCountedObject: return Number::Int(0);
    case varSmallint: return Number::Int(v.AsInt16Raw());
    case varInteger: return Number::Int(v.AsInt32Raw());
    case varShortInt: return Number::Int(v.AsInt8Raw());
    case varByte: return Number::Int(v.AsUInt8Raw());
    case varWord: return Number::Int(v.AsUInt16Raw());
    case varBoolean: return Number::Int(v.AsBoolRaw() ? -1 : 0);
    case varLongWord: return Number::Int(v.AsUInt32Raw(), true);
    case varInt64: return Number::Int(v.AsInt64Raw(), true);
    case varUInt64:
      return v.AsUInt64Raw() <= uint64_t(INT64_MAX) ? Number::Int(int64_t(v.AsUInt64Raw()), true)
                                                    : Number::Double(double(v.AsUInt64Raw()));
    case varSingle: return Number::Double(v.AsSingleRaw());
    case varDouble: return Number::Double(v.AsDoubleRaw());
    case varDate: return Number::Date(v.AsDoubleRaw());
    case varCurrency: return Number::Currency(v.AsCurrencyRaw());
    case varOleStr:
    case varString:
    case varUString: return TextNumber(v, target);
    default: RaiseConversionError(v, target);
  }
}

int64_t ToWholeNumber(const Number& n, const Value& source, VarType target) {
  if (n.kind == Number::kInt) return n.i;
  if (n.kind == Number::kCurrency) return RoundCurrency(n.i);
  int64_t whole = 0;
  if (!DoubleToInt64(n.d, whole)) RaiseOverflow(source, target);
  return whole;
}

int64_t ToRangedInteger(const Value& v, VarType type) {
  int64_t whole = ToWholeNumber(ToNumber(v, type), v, type);
  Range range = RangeOf(type);
  if (whole < range.low || whole > range.high) RaiseOverflow(v, type);
  return whole;
}

int32_t ToInt32(const Value& v) { return int32_t(ToRangedInteger(v, varInteger)); }

int64_t ToInt64(const Value& v) { return ToRangedInteger(v, varInt64); }

double ToDouble(const Value& v) { return NumberToDouble(ToNumber(v, varDouble)); }

int64_t ToCurrency(const Value& v) {
  Number n = ToNumber(v, varCurrency);
  int64_t scaled = n.i;
  if (n.kind == Number::kInt && !IntegerToCurrency(n.i, scaled)) RaiseOverflow(v, varCurrency);
  if (n.kind == Number::kDouble && !DoubleToInt64(n.d * 10000, scaled)) RaiseOverflow(v, varCurrency);
  return scaled;
}

double ToDate(const Value& v) {
  double date = 0;
  if (IsStringType(v.Type())) {
    if (!VisitText(v, [&](auto view) { return ParseDateText(view, date); })) RaiseConversionError(v, varDate);
    return date;
  }
  date = NumberToDouble(ToNumber(v, varDate));
  if (!IsValidDate(date)) RaiseOverflow(v, varDate);
  return date;
}

bool ToBool(const Value& v) {
  VarType t = v.Type();
  if (IsObjectRef(t)) return v.AsObject() && v.AsObject()->TruthValue();
  if (IsStringType(t)) {
    std::optional<bool> b = BoolOfText(v);
    if (!b) RaiseConversionError(v, varBoolean);
    return *b;
  }
  Number n = ToNumber(v, varBoolean);
  return n.kind == Number::kDouble ? n.d != 0 : n.i != 0;
}

std::u16string ToUtf16(const Value& v) {
  if (IsStringType(v.Type())) return Utf16Of(v);
  std::string ascii = AsciiText(v);
  return std::u16string(ascii.begin(), ascii.end());
}

std::string ToAnsi(const Value& v) {
  VarType t = v.Type();
  if (t == varString && v.Text8() && IsSystemCodePage(v.Text8()->codePage)) return std::string(v.Text8()->View());
  return IsStringType(t) ? EncodeAnsi(Utf16Of(v), 0) : AsciiText(v);
}

Text ToText(const Value& v) {
  return IsStringType(v.Type()) ? BuildTextOf(v) : TextFromAscii(AsciiText(v));
}

TextView BuildTextView(const Value& v, Text& buffer) {
#ifdef QEL_ANSI
  if (v.Type() == varString && v.Text8() && IsSystemCodePage(v.Text8()->codePage)) return v.Text8()->View();
#else
  if ((v.Type() == varUString || v.Type() == varOleStr) && v.Text16()) return v.Text16()->View();
#endif
  buffer = ToText(v);
  return buffer;
}

namespace {

// Half way between the largest Single and 2^128: from here a Double rounds to infinity.
constexpr double kSingleLimit = 0x1.ffffffp127;
constexpr double kTwoTo64 = 18446744073709551616.0;

uint64_t PayloadBits(int64_t v, VarType type) {
  switch (type) {
    case varShortInt:
    case varByte: return uint64_t(v) & 0xFF;
    case varSmallint:
    case varWord: return uint64_t(v) & 0xFFFF;
    case varInteger:
    case varLongWord: return uint64_t(v) & 0xFFFFFFFF;
    default: return uint64_t(v);
  }
}

float ToSingle(const Value& v) {
  double d = NumberToDouble(ToNumber(v, varSingle));
  if (std::isfinite(d) && std::fabs(d) >= kSingleLimit) RaiseOverflow(v, varSingle);
  return float(d);
}

uint64_t ToUInt64(const Value& v) {
  Number n = ToNumber(v, varUInt64);
  if (n.kind == Number::kDouble) {
    double whole = RoundHalfEven(n.d);
    if (!(whole >= 0 && whole < kTwoTo64)) RaiseOverflow(v, varUInt64);
    return uint64_t(whole);
  }
  int64_t whole = n.kind == Number::kInt ? n.i : RoundCurrency(n.i);
  if (whole < 0) RaiseOverflow(v, varUInt64);
  return uint64_t(whole);
}

void ConvertInto(Value& result, const Value& src, VarType type) {
  switch (type) {
    case varEmpty: break;
    case varNull: result.SetNull(); break;
    case varShortInt:
    case varByte:
    case varSmallint:
    case varWord:
    case varInteger:
    case varLongWord:
    case varInt64: result.SetRaw(type, PayloadBits(ToRangedInteger(src, type), type)); break;
    case varUInt64: result.SetRaw(type, ToUInt64(src)); break;
    case varSingle: result.SetSingle(ToSingle(src)); break;
    case varDouble: result.SetDouble(ToDouble(src)); break;
    case varCurrency: result.SetCurrency(ToCurrency(src)); break;
    case varDate: result.SetDate(ToDate(src)); break;
    case varBoolean: result.SetBool(ToBool(src)); break;
    case varOleStr: result.AdoptText(TextRep16::Make(ToUtf16(src)), varOleStr); break;
    case varUString: result.SetUString(ToUtf16(src)); break;
    case varString: result.SetAnsiString(ToAnsi(src), 0); break;
    default: RaiseConversionError(src, type);
  }
}

}  // namespace

void ChangeType(Value& dst, const Value& src, VarType type) {
  if (src.Type() == type) {
    dst = src;
    return;
  }
  Value result;
  bool objectRef = src.Type() == varObject || src.Type() == varCountedObject;
  if (!objectRef || type == varBoolean) ConvertInto(result, src, type);
  dst = std::move(result);
}

namespace {

constexpr size_t kExcerptLength = 40;

Value Head(const Value& text) {
  Value head;
  if (text.Type() == varString)
    head.SetAnsiString(text.Text8()->View().substr(0, kExcerptLength), text.Text8()->codePage);
  else
    head.SetUString(text.Text16()->View().substr(0, kExcerptLength));
  return head;
}

Text Excerpt(const Value& text) {
  if (TextLength(text) <= kExcerptLength) return QT("\"") + BuildTextOf(text) + QT("\"");
  return QT("\"") + BuildTextOf(Head(text)) + QT("...\"");
}

// The type and, for texts and numbers, the value itself.
Text Describe(const Value& v) {
  Text out = TextFromAscii(TypeName(v.Type()));
  if (IsStringType(v.Type())) return out + QT(" ") + Excerpt(v);
  std::string number = NumberValueText(v);
  return number.empty() ? out : out + QT(" ") + TextFromAscii(number);
}

}  // namespace

std::string TypeName(VarType type) {
  switch (type) {
    case varEmpty: return "Empty";
    case varNull: return "Null";
    case varSmallint: return "Int16";
    case varInteger: return "Int32";
    case varSingle: return "Single";
    case varDouble: return "Double";
    case varCurrency: return "Currency";
    case varDate: return "Date";
    case varOleStr:
    case varString:
    case varUString: return "Text";
    case varDispatch: return "Dispatch";
    case varBoolean: return "Boolean";
    case varShortInt: return "Int8";
    case varByte: return "UInt8";
    case varWord: return "UInt16";
    case varLongWord: return "UInt32";
    case varInt64: return "Int64";
    case varUInt64: return "UInt64";
    case varObject:
    case varCountedObject: return "Object";
    case varVariantArray: return "Array";
    case varByteArray: return "Byte array";
    default: return "type " + std::to_string(type);
  }
}

void RaiseConversionError(const Value& from, VarType to) {
  RaiseError(QT("Cannot convert ") + Describe(from) + QT(" to ") + TextFromAscii(TypeName(to)));
}

void RaiseOverflow(const Value& from, VarType to) {
  RaiseError(QT("Overflow converting ") + Describe(from) + QT(" to ") + TextFromAscii(TypeName(to)));
}

}  // namespace runtime
