#include "conversion_error.h"

#include "../error.h"
#include "number_text.h"
#include "predicates.h"
#include "text_access.h"

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
