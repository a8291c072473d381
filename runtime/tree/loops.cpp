#include "runtime/tree/loops.h"

#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/tree/block.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/references.h"
#include "runtime/tree/value_node.h"
#include "runtime/tree/variable.h"
#include "runtime/base/ref.h"

namespace runtime {

CLoopNode::~CLoopNode() = default;

CBlock* CLoopNode::Init(CValue* condition) {
  SetCondition(condition);
  return Body();
}

void CLoopNode::SetCondition(CValue* condition) {
  condition_ = Adopt(condition);
}

void CLoopNode::Execute(CContext& context) {
  try {
    RunPasses(context);
  } catch (...) {
    stop_ = false;
    throw;
  }
}

void CLoopNode::RunPasses(CContext& context) {
  while (!condition_ || EvalBool(condition_, context))
    if (!RunPass(context)) return;
}

// A jump that passed the body without ending there (a return) ends the loop too.
bool CLoopNode::RunPass(CContext& context) {
  Body()->Execute(context);
  if (stop_) {
    stop_ = false;
    return false;
  }
  if (context.JumpTarget()) return false;
  context.EnterStatement(this);
  return true;
}

CForNode::~CForNode() = default;

CBlock* CForNode::Init(TextView variable, CValue* start, CValue* limit, CValue* step) {
  SetCondition(start);
  limit_ = Adopt(limit);
  step_ = Adopt(step);
  variable_ = Adopt(DeclareHeld(Body(), variable));
  return Body();
}

void CForNode::RunPasses(CContext& context) {
  const int64_t start = ToInt32(Eval(condition_, context));
  const int64_t limit = ToInt32(Eval(limit_, context));
  const int64_t step = step_ ? ToInt32(Eval(step_, context)) : 1;
  CValue* plain = SlotHolder(variable_);
  Value counter;
  for (int64_t i = start; step > 0 ? i <= limit : step < 0 && i >= limit; i += step) {
    if (plain) {
      SlotToWrite(plain).SetInt(int32_t(i));
    } else {
      counter.SetInt(int32_t(i));
      variable_->SetValue(counter);
    }
    if (!RunPass(context)) return;
  }
}

namespace {

// Null for an empty name.
CVariable* DeclareOptional(CBlock* scope, TextView name) { return name.empty() ? nullptr : DeclareHeld(scope, name); }

}  // namespace

CForEachNode::~CForEachNode() = default;

CBlock* CForEachNode::Init(TextView value, CValue* collection, TextView index, TextView key) {
  SetCondition(collection);
  CBlock* body = Body();
  value_ = Adopt(DeclareHeld(body, value));
  index_ = Adopt(DeclareOptional(body, index));
  key_ = Adopt(DeclareOptional(body, key));
  return body;
}

void CForEachNode::RunPasses(CContext& context) {
  const Value& collection = Eval(condition_, context);
  if (IsDispatchValue(collection)) return WalkEnumerator(context, collection);
  CObjectValue* object = ScriptObjectOf(collection);
  WalkPositions(context, object ? object : condition_);
}

void CForEachNode::WalkPositions(CContext& context, CValue* source) {
  const Ref<CValue> keep = Retain(source);
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
  const Ref<CElementEnumerator> enumerator = Adopt(NewDispatchEnumerator(collection));
  Value element;
  while (enumerator->Next(element)) {
    value_->SetValue(element);
    element.Clear();
    if (!RunPass(context)) return;
  }
}

namespace {

EnumeratorFactory dispatchFactory = nullptr;

}  // namespace

void RegisterDispatchEnumerator(EnumeratorFactory factory) { dispatchFactory = factory; }

CElementEnumerator* NewDispatchEnumerator(const Value& collection) {
  if (!dispatchFactory) RaiseError(QT("for each over a COM object needs the COM bridge, which this build lacks"));
  return dispatchFactory(collection);
}

void CNextNode::Execute(CContext& context) {
  if (ValueExpr() && !EvalBool(ValueExpr(), context)) return;
  CJumpStmt::Execute(context);
}

void CBreakNode::AfterJump() {
  if (CNode* loop = Target() ? Target()->Owner() : nullptr) loop->StopLoop();
}

}  // namespace runtime
