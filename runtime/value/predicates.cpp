#include "predicates.h"

#include "bool_text.h"
#include "convert.h"
#include "text_access.h"

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
