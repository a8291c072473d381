// One value per active call for each local of a function, so that a
// recursive call does not overwrite its caller's locals. Levels up to the
// base level use the variable's own (home) value; a deeper level gets a
// stack entry the first time the variable is set there, tagged with that
// level, and loses it when the level is left. Reads do not push: until a
// variable is set at a level it designates its value of the levels below.
#pragma once
#include <memory>
#include <vector>

#include "runtime/base/base.h"
#include "runtime/value/value.h"
#include "runtime/base/ref.h"

namespace runtime {

class CVarStack;

// The active calls of one function.
class CVarLevels : public CBase {
public:
  explicit CVarLevels(int32_t baseLevel = 1) : baseLevel_(baseLevel) {}

  void EnterLevel() { ++depth_; }
  // Pops exactly the stacks that got an entry at the level being left.
  void LeaveLevel();
  // Gives the stack an entry for the current level unless it has one.
  inline void Register(CVarStack* stack);

  int32_t Depth() const { return depth_; }
  int32_t BaseLevel() const { return baseLevel_; }

private:
  friend class CVarStack;
  void List(CVarStack* stack);
  void Forget(CVarStack* stack);

  int32_t depth_ = 0;
  int32_t baseLevel_;
  std::vector<CVarStack*> stacks_;  // stacks that have had entries; not owned
};

// The extra values of one local. The variable reads and writes through its
// current-value pointer (*valuePointerSlot), which the stack redirects.
class CVarStack : public CBase {
public:
  CVarStack(CVarLevels* levels, Value** valuePointerSlot, Value* homeValue);
  // A stack read from a compiled image: its levels come with the record and
  // its variable binds it before use.
  CVarStack() = default;
  ~CVarStack() override;

  void Bind(Value** valuePointerSlot, Value* homeValue);

  // Called before every write of the variable.
  void EnsureLevel() { levels_->Register(this); }
  // A reused entry starts empty, so no value of an earlier call shows through.
  inline void Push(int32_t level);
  // The popped value is kept until the entry is reused, so a call's result
  // stays readable for its caller after the level is left.
  inline void Pop();

  int32_t Count() const { return count_; }
  // The level of the top entry; 0 when the home value serves.
  int32_t TopLevel() const { return topLevel_; }

private:
  friend class CVarLevels;
  friend class CVarStackStreamer;

  void Grow();

  struct Entry {
    Value value;
    int32_t level = 0;
  };

  Ref<CVarLevels> levels_;
  Value** slot_ = nullptr;
  Value* home_ = nullptr;
  // Entries are allocated one by one, so that pushes never move a value.
  std::vector<std::unique_ptr<Entry>> entries_;
  int32_t count_ = 0;
  int32_t topLevel_ = 0;
  bool listed_ = false;  // in the levels' list of stacks
};

// Inline, with Push and Pop: they run for every write of a function's
// variable and every call of the function.
void CVarLevels::Register(CVarStack* stack) {
  if (depth_ <= baseLevel_ || stack->TopLevel() == depth_) return;
  stack->Push(depth_);
  if (!stack->listed_) List(stack);
}

void CVarStack::Push(int32_t level) {
  if (size_t(count_) == entries_.size()) Grow();
  Entry& entry = *entries_[count_];
  entry.value.Clear();
  entry.level = level;
  ++count_;
  topLevel_ = level;
  *slot_ = &entry.value;
}

void CVarStack::Pop() {
  if (count_ == 0) return;
  --count_;
  if (count_ == 0) {
    topLevel_ = 0;
    *slot_ = home_;
    return;
  }
  Entry& top = *entries_[count_ - 1];
  topLevel_ = top.level;
  *slot_ = &top.value;
}

}  // namespace runtime
