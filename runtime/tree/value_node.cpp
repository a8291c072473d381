#include "runtime/tree/value_node.h"

#include "runtime/error.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/tree/object_value.h"

namespace runtime {

CNode* CValue::Item(int32_t) { return nullptr; }

void CValue::SetObject(CBase* object) { slot_->SetObject(object); }

void CValue::SetCountedObject(CBase* object) { slot_->SetCountedObject(object); }

void CValue::SetValue(const Value& value) { *slot_ = value; }

void CValue::Assign(CContext&, const Value& value) { SetValue(value); }

void CValue::Compute(CContext&) {}

Value CValue::Take(CContext& context) {
  Compute(context);
  return ValueRef();
}

CValue* CValue::Deref(CContext& context) {
  if (CObjectValue* object = ScriptObjectOf(ValueRef())) return object->Deref(context);
  return new CValue(nullptr, ValueRef());
}

int32_t CValue::Count() { return 0; }

CFunction* FunctionOf(const Value& value) {
  CNode* node = NodeOf(value);
  return node ? node->AsFunction() : nullptr;
}

CFunction* FunctionOf(CNode* node) {
  CValue* value = node ? node->AsValue() : nullptr;
  return value ? FunctionOf(value->ValueRef()) : nullptr;
}

void CValueList::Add(CValue* item) {
  if (item->Name().empty()) {
    CNamedList::Add(item);
    return;
  }
  CBase* replaced = Find(item->Name());
  Put(item->Name(), item);
  ReleaseObject(replaced);
}

void CValueList::PutAt(int32_t index, CValue* item) {
  if (index < 0 || index >= CList::kMaxIndex) {
    ReleaseObject(item);
    RaiseError(QT("List index out of range"));
  }
  CBase* replaced = index < Count() ? Get(index) : nullptr;
  SetItem(index, item);
  ReleaseObject(replaced);
}

const Value& CValueList::ValueAt(int32_t index) const {
  CValue* item = At(index);
  return item ? item->ValueRef() : DefaultValue();
}

CValue* CValueList::GetArg(CValueList* list, TextView name, int32_t position) {
  if (!list) return nullptr;
  if (list->HasNames())
    if (CValue* named = list->FindValue(name)) return named;
  if (position < 0 || position >= list->Count()) return nullptr;
  CValue* item = list->At(position);
  if (item && !item->Name().empty() && !SameName(item->Name(), name)) return nullptr;
  return item;
}

bool CValueList::GetBool(CValueList* list, TextView name, bool fallback, int32_t position) {
  CValue* arg = GetArg(list, name, position);
  return arg ? ValueToBool(arg->ValueRef()) : fallback;
}

int32_t CValueList::GetInt(CValueList* list, TextView name, int32_t fallback, int32_t position) {
  CValue* arg = GetArg(list, name, position);
  return arg ? ToInt32(arg->ValueRef()) : fallback;
}

Text CValueList::GetText(CValueList* list, TextView name, TextView fallback, int32_t position) {
  CValue* arg = GetArg(list, name, position);
  return arg ? ToText(arg->ValueRef()) : Text(fallback);
}

bool SameName(TextView a, TextView b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    unsigned x = CodeUnit(a[i]), y = CodeUnit(b[i]);
    if (x >= 'a' && x <= 'z') x -= 32;
    if (y >= 'a' && y <= 'z') y -= 32;
    if (x != y) return false;
  }
  return true;
}

}  // namespace runtime
