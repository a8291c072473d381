#include "runtime/value/var_stack.h"

#include "runtime/error.h"

namespace runtime {

void CVarLevels::LeaveLevel() {
  if (depth_ == 0) RaiseError(QT("Recursion level left without being entered"));
  int32_t leaving = depth_--;
  for (CVarStack* stack : stacks_)
    if (stack->TopLevel() == leaving) stack->Pop();
}

void CVarLevels::List(CVarStack* stack) {
  stacks_.push_back(stack);
  stack->listed_ = true;
}

void CVarLevels::Forget(CVarStack* stack) { std::erase(stacks_, stack); }

CVarStack::CVarStack(CVarLevels* levels, Value** valuePointerSlot, Value* homeValue)
    : levels_(Retain(levels)), slot_(valuePointerSlot), home_(homeValue) {}

CVarStack::~CVarStack() {
  if (!levels_) return;
  levels_->Forget(this);
}

void CVarStack::Bind(Value** valuePointerSlot, Value* homeValue) {
  slot_ = valuePointerSlot;
  home_ = homeValue;
}

void CVarStack::Grow() { entries_.push_back(std::make_unique<Entry>()); }

}  // namespace runtime
