// "@each": the callback sees copies, so it cannot change the members.
#include "../tree/object_value.h"
#include "../tree/value_node.h"
#include "object_methods.h"

namespace {

void CopyMember(CObjectValue* object, int32_t index, CValueList* pair) {
  CValue* member = index < object->MemberCount() ? object->Members()->At(index) : nullptr;
  Value name;
  if (member) name.SetText(member->Name());
  pair->At(0)->SetValue(member ? member->ValueRef() : DefaultValue());
  pair->At(1)->SetValue(name);
}

void CallForEach(CContext& context, CObjectValue* object, CNode* callable, bool reverse) {
  // The callback may drop the last other reference to either.
  CBaseRef keepObject(object);
  CBaseRef keepCallable(callable);
  auto* pair = new CValueList();
  CBaseRef keepPair(pair);
  pair->Release();
  pair->Add(new CValue(nullptr));
  pair->Add(new CValue(nullptr));
  const int32_t count = object->MemberCount();
  for (int32_t i = 0; i < count; ++i) {
    CopyMember(object, reverse ? count - 1 - i : i, pair);
    callable->Call(context, pair);
  }
}

}  // namespace

// The result is the receiver as it was, even if the callback reassigns it.
void DoEach(CContext& context, CNode* receiver, CValueList* args, Value& result) {
  const Value self = receiver->AsValue()->ValueRef();
  CValue* callableArg = CValueList::GetArg(args, QT(""), 0);
  if (CNode* callable = callableArg ? NodeOf(callableArg->ValueRef()) : nullptr)
    CallForEach(context, ScriptObjectOf(self), callable, CValueList::GetBool(args, QT("reverse"), false, 1));
  result = self;
}
