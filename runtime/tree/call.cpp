#include "runtime/tree/call.h"

#include "runtime/error.h"
#include "runtime/stack_guard.h"
#include "runtime/tree/function.h"
#include "runtime/tree/references.h"
#include "runtime/tree/value_node.h"
#include "runtime/base/ref.h"

namespace runtime {

CCall::CCall(CNode* owner, CValue* callee, CValueList* args) : CValue(owner), callee_(callee), args_(args) {}

CCall::~CCall() {
  ReleaseObject(args_);
  ReleaseObject(callee_);
}

namespace {

// No names, no holes and no variables passed by reference: each parameter
// takes the argument at its position.
bool AllPositional(CValueList* args) {
  if (args && args->HasNames()) return false;
  for (int32_t i = 0; i < CValueList::ArgCount(args); ++i) {
    CValue* arg = args->At(i);
    if (!arg || arg->IsVariable() || !arg->Name().empty()) return false;
  }
  return true;
}

}  // namespace

void CCall::ComputeArguments(CContext& context) {
  for (int32_t i = 0; i < CValueList::ArgCount(args_); ++i) {
    CValue* arg = args_->At(i);
    if (!arg) continue;
    // A variable passed by reference gets its own value at the caller's level first.
    if (!positional_ && arg->IsVariable())
      arg->WritableRef();
    else
      arg->Compute(context);
  }
}

// Arguments may be calls themselves, as deep as the source nests them.
void CCall::Compute(CContext& context) {
  CheckStackRoom();
  if (!shapeKnown_) {
    positional_ = AllPositional(args_);
    shapeKnown_ = true;
  }
  ComputeArguments(context);
  if (deferred_) {
    callee_->Compute(context);
    value_.SetObject(this);
    return;
  }
  value_.Clear();
  if (CFunction* function = CachedFunction()) {
    value_ = function->CallPlain(context, args_, positional_);
    return;
  }
  value_ = callee_->Call(context, args_);
  RememberFunction();
}

CFunction* CCall::CachedFunction() {
  if (!function_ || functionsGone_ != CFunction::FunctionsGone()) return nullptr;
  if (static_cast<CNameRef*>(callee_)->ResolvedTarget() != holder_) return nullptr;
  if ((*holder_->SlotAddress())->AsObject() != function_ || function_->IsClass()) return nullptr;
  return function_;
}

// Only variables: their value is the one their slot designates.
void CCall::RememberFunction() {
  function_ = nullptr;
  if (callee_->Id() != ClassId::kNameRef) return;
  CValue* holder = static_cast<CNameRef*>(callee_)->ResolvedTarget();
  if (!holder || (holder->Id() != ClassId::kVariable && holder->Id() != ClassId::kStackVariable)) return;
  CFunction* function = FunctionOf(holder->ValueRef());
  if (!function || function->IsClass()) return;
  holder_ = holder;
  function_ = function;
  functionsGone_ = CFunction::FunctionsGone();
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
