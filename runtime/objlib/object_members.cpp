// Counting, merging and copying.
#include "../tree/object_value.h"
#include "../tree/value_node.h"
#include "object_methods.h"

CObjectValue* ReceiverObject(CNode* receiver) {
  CValue* value = receiver ? receiver->AsValue() : nullptr;
  return value ? ScriptObjectOf(value->ValueRef()) : nullptr;
}

void DoCount(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetInt(ReceiverObject(receiver)->MemberCount());
}

void DoAdd(CContext&, CNode* receiver, CValueList* args, Value& result) {
  CObjectValue* object = ReceiverObject(receiver);
  for (int32_t i = 0; i < CValueList::ArgCount(args); ++i) {
    CValue* arg = args->At(i);
    if (!arg) continue;
    CValue* member = arg->Name().empty() ? nullptr : object->FindMember(arg->Name());
    if (!member) {
      member = new CValue(object);
      member->SetName(arg->Name());
      object->Members()->Add(member);
    }
    member->SetValue(arg->ValueRef());
  }
  result = receiver->AsValue()->ValueRef();
}

void DoClone(CContext& context, CNode* receiver, CValueList*, Value& result) {
  CValue* copy = ReceiverObject(receiver)->Deref(context);
  result.SetCountedObject(copy);
  copy->Release();
}
