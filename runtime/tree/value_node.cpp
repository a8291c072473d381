#include "value_node.h"

#include "../value/predicates.h"
#include "object_value.h"
#include "value_ops.h"

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
