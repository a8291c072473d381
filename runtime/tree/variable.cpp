#include "runtime/tree/variable.h"

#include "runtime/value/var_stack.h"
#include "runtime/tree/block.h"
#include "runtime/tree/function.h"

namespace runtime {

CVariable* CVariable::Declare(CBlock* scope, TextView name) {
  CVariable* variable;
  if (CFunction* function = EnclosingFunction(scope))
    variable = new CStackVariable(scope, function);
  else
    variable = new CVariable(scope);
  if (!name.empty()) {
    variable->SetName(name);
    scope->DeclareName(variable);
  }
  return variable;
}

CStackVariable::CStackVariable(CNode* owner, CFunction* function)
    : CVariable(owner), stack_(new CVarStack(function->Levels(), &slot_, &value_)) {}

CStackVariable::~CStackVariable() { ReleaseObject(stack_); }

void CStackVariable::SetObject(CBase* object) {
  stack_->EnsureLevel();
  slot_->SetObject(object);
}

void CStackVariable::SetCountedObject(CBase* object) {
  stack_->EnsureLevel();
  slot_->SetCountedObject(object);
}

void CStackVariable::SetValue(const Value& value) {
  stack_->EnsureLevel();
  *slot_ = value;
}

void CStackVariable::Assign(CContext&, const Value& value) { CStackVariable::SetValue(value); }

Value& CStackVariable::WritableRef() {
  Value* designated = slot_;
  stack_->EnsureLevel();
  // Entries never move, so the value designated before the push is still there.
  if (slot_ != designated) *slot_ = *designated;
  return *slot_;
}

void CStackVariable::EnsureLevel() { stack_->EnsureLevel(); }

CVariable* DeclareHeld(CBlock* scope, TextView name) {
  CVariable* variable = CVariable::Declare(scope, name);
  if (!name.empty()) variable->AddRef();
  return variable;
}

}  // namespace runtime
