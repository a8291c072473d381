#include "for_each_node.h"

#include "../value/predicates.h"
#include "block.h"
#include "element_enumerator.h"
#include "held_variable.h"
#include "object_value.h"
#include "value_ops.h"
#include "variable.h"

namespace {

// Null for an empty name.
CVariable* DeclareOptional(CBlock* scope, TextView name) { return name.empty() ? nullptr : DeclareHeld(scope, name); }

}  // namespace

CForEachNode::~CForEachNode() {
  ReleaseObject(key_);
  ReleaseObject(index_);
  ReleaseObject(value_);
}

CBlock* CForEachNode::Init(TextView value, CValue* collection, TextView index, TextView key) {
  SetCondition(collection);
  CBlock* body = Body();
  ReleaseObject(value_);
  value_ = DeclareHeld(body, value);
  ReleaseObject(index_);
  index_ = DeclareOptional(body, index);
  ReleaseObject(key_);
  key_ = DeclareOptional(body, key);
  return body;
}

void CForEachNode::RunPasses(CContext& context) {
  const Value& collection = Eval(condition_, context);
  if (IsDispatchValue(collection)) return WalkEnumerator(context, collection);
  CObjectValue* object = ScriptObjectOf(collection);
  WalkPositions(context, object ? object : condition_);
}

void CForEachNode::WalkPositions(CContext& context, CValue* source) {
  CBaseRef keep(source);
  const int32_t count = source->Count();
  for (int32_t i = 0; i < count; ++i) {
    TakeElement(source, i);
    if (!RunPass(context)) return;
  }
}

void CForEachNode::TakeElement(CValue* source, int32_t position) {
  CNode* item = source->Item(position);
  CValue* element = item ? item->AsValue() : nullptr;
  value_->SetValue(element ? element->ValueRef() : DefaultValue());
  if (key_) {
    Value name;
    name.SetText(element ? TextView(element->Name()) : TextView());
    key_->SetValue(name);
  }
  if (index_) {
    Value index;
    index.SetInt(position);
    index_->SetValue(index);
  }
}

void CForEachNode::WalkEnumerator(CContext& context, const Value& collection) {
  CElementEnumerator* enumerator = NewDispatchEnumerator(collection);
  CBaseRef keep(enumerator);
  enumerator->Release();
  Value element;
  while (enumerator->Next(element)) {
    value_->SetValue(element);
    element.Clear();
    if (!RunPass(context)) return;
  }
}
