// Conversions: "format", "toStr", "toTime", "GetJson", and "toNum": a number
// literal read from a text, or (with "ptr") the raw words of a value. Raw
// reads never go past the bytes of the text they are given.
#include <cstring>
#include <span>
#include <vector>

#include "runtime/error.h"
#include "runtime/format/date_format.h"
#include "runtime/format/number_format.h"
#include "runtime/format/text_format.h"
#include "runtime/json/json_reader.h"
#include "runtime/parse/literal_match.h"
#include "runtime/parse/literal_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/array_rep.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/builtin/builtin_args.h"
#include "runtime/builtin/builtin_families.h"
#include "runtime/builtin/text_storage.h"

namespace runtime {

namespace {

// The integer and floating types, UInt64 included; Booleans are not numbers
// here, so true.format(...) formats the text "True".
bool TakesNumberPattern(VarType type) {
  return (type >= varSmallint && type <= varCurrency) || (type >= varShortInt && type <= varUInt64);
}

std::vector<Value> ArgumentValues(CValueList* args) {
  std::vector<Value> values;
  for (int32_t i = 0; i < CValueList::ArgCount(args); ++i) values.push_back(args->ValueAt(i));
  return values;
}

// One character per byte, its code the byte's value.
Text TextOfBytes(const ArrayRep& bytes) {
  Text text;
  text.reserve(size_t(bytes.Count()));
  for (int32_t i = 0; i < bytes.Count(); ++i) text += Char(bytes.Bytes()[i]);
  return text;
}

// A date without a pattern shows its text form, as a number does.
void DoFormat(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const Value& value = ReceiverValue(receiver);
  if (value.Type() == varDate) {
    const Text pattern = ToText(ArgValueAt(args, 0));
    return result.SetText(FormatDateTime(value.AsDoubleRaw(), pattern.empty() ? QT("c") : TextView(pattern)));
  }
  if (TakesNumberPattern(value.Type())) return result.SetText(FormatNumber(value, ToText(ArgValueAt(args, 0))));
  const std::vector<Value> values = ArgumentValues(args);
  result.SetText(FormatText(ToText(value), values));
}

void DoToStr(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const Value& value = ReceiverValue(receiver);
  if (value.Type() == varByteArray) return result.SetText(TextOfBytes(*value.Array()));
  if (value.Type() != varVariantArray) return result.SetText(ToText(value));
  const int32_t index = CValueList::GetInt(args, QT("index"), 0, 0);
  const ArrayRep& array = *value.Array();
  result = array.Element(array.Position(std::span<const int32_t>(&index, 1)));
}

void DoToTime(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetDate(DateFromText(ReceiverText(receiver)));
}

void DoGetJson(CContext&, CNode* receiver, CValueList* args, Value& result) {
  GetJson(ReceiverText(receiver), CValueList::GetBool(args, QT("json"), false, 0), result);
}

// "toNum": a number literal read from a text, or (with "ptr") the raw words
// of a value. Raw reads never go past the bytes of the text they are given.

bool IsBlank(Char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

TextView Trimmed(TextView text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The whole text, blanks around aside, must be one literal with an optional sign.
void SetNumberLiteral(const Value& source, Value& result) {
  const Text text = ToText(source);
  const TextView literal = Trimmed(text);
  const size_t start = !literal.empty() && (literal[0] == '-' || literal[0] == '+') ? 1 : 0;
  if (start == literal.size() || MatchNumber(literal, start) != literal.size() - start)
    RaiseConversionError(source, varDouble);
  const TNumberLiteral number = ReadNumberLiteral(literal);
  switch (number.kind) {
    case TNumberLiteral::kInt32: return result.SetInt(int32_t(number.integer));
    case TNumberLiteral::kUInt32: return result.SetUInt32(uint32_t(number.integer));
    case TNumberLiteral::kInt64: return result.SetInt64(number.integer);
    case TNumberLiteral::kDouble: return result.SetDouble(number.real);
  }
}

bool HoldsAddress(VarType type) {
  return type == varDispatch || type == varUnknown || type == varObject || type == varCountedObject ||
         (type & (varArray | varByRef)) != 0;
}

// A text gives the address of its characters, other pointers their address,
// everything else the low 32 bits of its payload.
void SetFirstWord(const Value& value, Value& result) {
  if (IsStringType(value.Type())) return SetAddress(result, TextBytes(value).data());
  if (HoldsAddress(value.Type())) return SetAddress(result, value.Pointer());
  result.SetInt(value.AsInt32Raw());
}

template <class T>
T ReadStart(const Value& value, TextView typeName) {
  Value text = value;
  if (!IsStringType(text.Type())) text.SetText(ToText(value));
  const std::span<const unsigned char> bytes = TextBytes(text);
  if (bytes.size() < sizeof(T)) RaiseError(QT("toNum: the text is too short for ") + Text(typeName));
  T number;
  std::memcpy(&number, bytes.data(), sizeof(T));
  return number;
}

void DoToNum(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const Value& value = ReceiverValue(receiver);
  switch (CValueList::GetInt(args, QT("ptr"), 0, 0)) {
    case 0: return SetNumberLiteral(value, result);
    case -1: return SetFirstWord(value, result);
    case 1: return result.SetInt(ReadStart<int32_t>(value, QT("an Int32")));
    case 2: return result.SetDouble(ReadStart<float>(value, QT("a Single")));
    case 3: return result.SetDouble(ReadStart<double>(value, QT("a Double")));
    default: return;
  }
}

}  // namespace

void AddConversionBuiltins(CLibrary& library) {
  library.AddHandler(QT("format"), &DoFormat);
  library.AddHandler(QT("toStr"), &DoToStr);
  library.AddHandler(QT("toNum"), &DoToNum);
  library.AddHandler(QT("toTime"), &DoToTime);
  library.AddHandler(QT("GetJson"), &DoGetJson);
}

}  // namespace runtime
