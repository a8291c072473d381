#include <cmath>

#include "conversion_error.h"
#include "convert.h"
#include "rounding.h"

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
