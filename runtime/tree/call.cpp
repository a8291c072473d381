#include "runtime/tree/call.h"

#include "runtime/error.h"
#include "runtime/stack_guard.h"
#include "runtime/tree/value_node.h"
#include "runtime/base/ref.h"

namespace runtime {

CCall::CCall(CNode* owner, CValue* callee, CValueList* args) : CValue(owner), callee_(callee), args_(args) {}

CCall::~CCall() {
  ReleaseObject(args_);
  ReleaseObject(callee_);
}

void CCall::ComputeArguments(CContext& context) {
  for (int32_t i = 0; i < CValueList::ArgCount(args_); ++i) {
    CValue* arg = args_->At(i);
    if (!arg) continue;
    // A variable passed by reference gets its own value at the caller's level first.
    if (arg->IsVariable())
      arg->WritableRef();
    else
      arg->Compute(context);
  }
}

// Arguments may be calls themselves, as deep as the source nests them.
void CCall::Compute(CContext& context) {
  CheckStackRoom();
  ComputeArguments(context);
  if (deferred_) {
    callee_->Compute(context);
    value_.SetObject(this);
    return;
  }
  value_.Clear();
  value_ = callee_->Call(context, args_);
}

// A deferred call may reach itself through its callee without a function call between.
const Value& CCall::Call(CContext& context, CValueList* more) {
  if (!deferred_) return DefaultValue();
  CheckStackRoom();
  const Ref<CCall> keep = Retain(this);
  const Ref<CValueList> args = MakeRef<CValueList>();
  for (int32_t i = 0; i < CValueList::ArgCount(args_); ++i) {
    CValue* arg = args_->At(i);
    if (!arg) continue;
    auto* copy = new CValue(nullptr, arg->ValueRef());
    copy->SetName(arg->Name());
    args->Add(copy);
  }
  for (int32_t i = 0; i < CValueList::ArgCount(more); ++i) {
    if (CValue* arg = more->At(i)) {
      arg->AddRef();
      args->Add(arg);
    }
  }
  return callee_->Call(context, args);
}

CCallDepth::CCallDepth() {
  if (depth_ >= kLimit) RaiseError(QT("Stack overflow: call depth limit reached"));
  CheckStackRoom();
  ++depth_;
}

}  // namespace runtime
