#include "var_stack.h"

#include <algorithm>

#include "../error.h"

void CVarLevels::LeaveLevel() {
  if (depth_ == 0) RaiseError(QT("Recursion level left without being entered"));
  int32_t leaving = depth_--;
  for (CVarStack* stack : stacks_)
    if (stack->TopLevel() == leaving) stack->Pop();
}

void CVarLevels::Register(CVarStack* stack) {
  if (depth_ <= baseLevel_ || stack->TopLevel() == depth_) return;
  stack->Push(depth_);
  if (std::find(stacks_.begin(), stacks_.end(), stack) == stacks_.end()) stacks_.push_back(stack);
}

void CVarLevels::Forget(CVarStack* stack) { std::erase(stacks_, stack); }

CVarStack::CVarStack(CVarLevels* levels, Value** valuePointerSlot, Value* homeValue)
    : levels_(levels), slot_(valuePointerSlot), home_(homeValue) {
  levels_->AddRef();
}

CVarStack::~CVarStack() {
  if (!levels_) return;
  levels_->Forget(this);
  levels_->Release();
}

void CVarStack::Bind(Value** valuePointerSlot, Value* homeValue) {
  slot_ = valuePointerSlot;
  home_ = homeValue;
}

void CVarStack::Push(int32_t level) {
  if (size_t(count_) == entries_.size())
    entries_.emplace_back();
  else
    entries_[count_].value.Clear();
  entries_[count_].level = level;
  *slot_ = &entries_[count_++].value;
}

void CVarStack::Pop() {
  if (count_ == 0) return;
  --count_;
  *slot_ = count_ ? &entries_[count_ - 1].value : home_;
}
