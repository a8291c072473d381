#include "runtime/objlib/object_library.h"

#include "runtime/json/json_writer.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/base/ref.h"

namespace runtime {

CObjectLibrary::CObjectLibrary() {
  AddHandler(QT("@count"), &DoCount);
  AddHandler(QT("@length"), &DoCount);
  AddHandler(QT("@each"), &DoEach);
  AddHandler(QT("@add"), &DoAdd);
  AddHandler(QT("@clone"), &DoClone);
  AddHandler(QT("@toJson"), &DoToJson);
}

bool CObjectLibrary::Accepts(CNode* receiver) { return ReceiverObject(receiver) != nullptr; }

// Counting, merging and copying.
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
  const Ref<CValue> copy = Adopt(ReceiverObject(receiver)->Deref(context));
  result.SetCountedObject(copy);
}

// "@each": the callback sees copies, so it cannot change the members.
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
  const Ref<CObjectValue> keepObject = Retain(object);
  const Ref<CNode> keepCallable = Retain(callable);
  const Ref<CValueList> pair = MakeRef<CValueList>();
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

void DoToJson(CContext&, CNode* receiver, CValueList* args, Value& result) {
  TJsonOptions options;
  options.format = CValueList::GetInt(args, QT("format"), 0, 0);
  options.json = CValueList::GetBool(args, QT("json"), false, 1);
  options.gbk = CValueList::GetBool(args, QT("isGbk"), false, 2);
  result.SetText(CJsonWriter(options).Write(ReceiverObject(receiver)));
}

}  // namespace runtime
