#include "match_methods.h"

#include <string>

#include "../regex/engine_text.h"
#include "../regex/regex.h"
#include "../tree/value_node.h"
#include "../value/convert.h"
#include "../value/predicates.h"
#include "engine_values.h"
#include "match_value.h"

namespace {

CRegex& EngineOf(CNode* receiver) { return MatchValueOf(receiver)->Engine(); }

// A number at or past the groups an engine can report names no group. Digit
// texts are read here, as they may be too long for any number type.
int32_t GroupNumber(const Value& key) {
  if (!IsStringType(key.Type())) {
    const double number = ToDouble(key);
    return number >= 0 && number < CRegex::kMaxGroups ? int32_t(number) : -1;
  }
  int32_t number = 0;
  for (Char digit : ToText(key)) {
    number = number * 10 + int32_t(digit - '0');
    if (number >= CRegex::kMaxGroups) return -1;
  }
  return number;
}

const Value& FirstArgument(CValueList* args) {
  CValue* arg = CValueList::GetArg(args, QT(""), 0);
  return arg ? arg->ValueRef() : DefaultValue();
}

std::string GroupText(CRegex& engine, const Value& key) {
  if (IsIntegerLike(key)) return engine.Group(GroupNumber(key));
  return engine.NamedGroupText(EngineBytes(ToText(key)));
}

}  // namespace

void DoNextMatch(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetBool(EngineOf(receiver).MatchNext());
}

void DoMissed(CContext&, CNode* receiver, CValueList*, Value& result) {
  SetEngineText(result, EngineOf(receiver).TextBefore());
}

void DoValue(CContext&, CNode* receiver, CValueList* args, Value& result) {
  CRegex& engine = EngineOf(receiver);
  CValue* replacementTemplate = CValueList::GetArg(args, QT(""), 0);
  if (!replacementTemplate) return SetEngineText(result, engine.Group(0));
  engine.SetTemplateText(ToText(replacementTemplate->ValueRef()));
  SetEngineText(result, engine.ComputeReplacement());
}

void DoRest(CContext&, CNode* receiver, CValueList*, Value& result) {
  SetEngineText(result, EngineOf(receiver).TextAfter());
}

void DoGroupCount(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetInt(EngineOf(receiver).GroupCount());
}

void DoGroups(CContext&, CNode* receiver, CValueList* args, Value& result) {
  SetEngineText(result, GroupText(EngineOf(receiver), FirstArgument(args)));
}
