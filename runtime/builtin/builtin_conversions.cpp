// "format", "toStr", "toTime" and "GetJson".
#include <span>
#include <vector>

#include "../format/date_format.h"
#include "../format/number_format.h"
#include "../format/text_format.h"
#include "../json/json_reader.h"
#include "../tree/value_node.h"
#include "../value/array_rep.h"
#include "../value/convert.h"
#include "builtin_args.h"
#include "builtin_handlers.h"

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

}  // namespace

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
