#include "runtime/rxlib/match_library.h"

#include <algorithm>
#include <string>

#include "runtime/regex/engine_text.h"
#include "runtime/regex/regex.h"
#include "runtime/tree/call.h"
#include "runtime/tree/function.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/value/text_rep.h"
#include "platform/codepage.h"
#include "runtime/base/ref.h"

namespace runtime {

CMatchValue::CMatchValue(CRegex* engine) : CValue(nullptr), engine_(Retain(engine)) {
  value_.SetObject(this);
}

CMatchValue::~CMatchValue() = default;

bool CMatchValue::TruthValue() const { return engine_->GroupCount() > 0; }

CMatchValue* MatchValueOf(const Value& value) { return dynamic_cast<CMatchValue*>(NodeOf(value)); }

CMatchValue* MatchValueOf(CNode* node) {
  CValue* value = node ? node->AsValue() : nullptr;
  return value ? MatchValueOf(value->ValueRef()) : nullptr;
}

CNode* CallableOf(CValue* action) {
  CNode* node = action ? NodeOf(action->ValueRef()) : nullptr;
  if (!node || node->AsFunction()) return node;
  auto* call = dynamic_cast<CCall*>(node);
  return call && call->Deferred() ? call : nullptr;
}

CMatchAction::CMatchAction(CContext& context, CRegex& engine, CNode* callable)
    : engine_(engine), keepCallable_(Retain(callable)), match_(MakeRef<CMatchValue>(&engine)) {
  engine_.SetCallback([&context, callable, match = match_.Get()](CRegex&) {
    Value argument;
    argument.SetCountedObject(match);
    return EngineBytes(ToText(CallWithArgs(callable, context, &argument, 1)));
  });
}

CMatchAction::~CMatchAction() {
  engine_.SetCallback({});
}

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

CMatchLibrary::CMatchLibrary() {
  AddHandler(QT("match"), &DoNextMatch);
  AddHandler(QT("missed"), &DoMissed);
  AddHandler(QT("value"), &DoValue);
  AddHandler(QT("rest"), &DoRest);
  AddHandler(QT("gcount"), &DoGroupCount);
  AddHandler(QT("groups"), &DoGroups);
  AddHandler(QT("@@"), &DoValue);
  AddHandler(QT("@"), &DoGroups);
}

bool CMatchLibrary::Accepts(CNode* receiver) { return MatchValueOf(receiver) != nullptr; }

namespace {

#ifndef QEL_ANSI
// ASCII bytes, most matches, go straight into the text's buffer.
bool SetAsciiText(Value& value, std::string_view bytes) {
  for (char byte : bytes)
    if (static_cast<unsigned char>(byte) >= 0x80) return false;
  TextRep16* rep = TextRep16::Allocate(bytes.size(), 0, bytes.size());
  std::copy(bytes.begin(), bytes.end(), rep->data);
  value.AdoptText(rep);
  return true;
}
#endif

}  // namespace

#ifdef QEL_ANSI
void SetEngineText(Value& value, std::string_view bytes) { value.SetText(EngineText(bytes)); }
#else
void SetEngineText(Value& value, std::string_view bytes) {
  if (!SetAsciiText(value, bytes)) value.SetText(EngineText(bytes));
}
#endif

void SetEngineBytes(Value& value, std::string_view bytes) {
  value.SetAnsiString(bytes, kEngineBytesAreUtf8 ? uint16_t(platform::kCodePageUtf8) : 0);
}

void SetEngineTextList(Value& value, std::string_view bytes, const std::vector<EngineRange>& ranges) {
  const Ref<CObjectInstance> list = MakeRef<CObjectInstance>(nullptr);
  for (const EngineRange& range : ranges) {
    Value text;
    SetEngineText(text, bytes.substr(range.offset, range.length));
    list->Members()->Add(new CValue(list, text));
  }
  value.SetCountedObject(list);
}

}  // namespace runtime
