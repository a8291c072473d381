// One value per active call for each local of a function, so that a
// recursive call does not overwrite its caller's locals. Levels up to the
// base level use the variable's own (home) value; a deeper level gets a
// stack entry the first time the variable is set there, tagged with that
// level, and loses it when the level is left. Reads do not push: until a
// variable is set at a level it designates its value of the levels below.
#pragma once
#include <deque>
#include <vector>

#include "../base/base.h"
#include "value.h"

class CVarStack;

// The active calls of one function.
class CVarLevels : public CBase {
public:
  explicit CVarLevels(int32_t baseLevel = 1) : baseLevel_(baseLevel) {}

  void EnterLevel() { ++depth_; }
  // Pops exactly the stacks that got an entry at the level being left.
  void LeaveLevel();
  // Gives the stack an entry for the current level unless it has one.
  void Register(CVarStack* stack);

  int32_t Depth() const { return depth_; }
  int32_t BaseLevel() const { return baseLevel_; }

private:
  friend class CVarStack;
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
  void Push(int32_t level);
  // The popped value is kept until the entry is reused, so a call's result
  // stays readable for its caller after the level is left.
  void Pop();

  int32_t Count() const { return count_; }
  // The level of the top entry; 0 when the home value serves.
  int32_t TopLevel() const { return count_ ? entries_[count_ - 1].level : 0; }

private:
  friend class CVarStackStreamer;

  struct Entry {
    Value value;
    int32_t level = 0;
  };

  CVarLevels* levels_ = nullptr;  // counted
  Value** slot_ = nullptr;
  Value* home_ = nullptr;
  std::deque<Entry> entries_;  // a deque, so that pushes never move a value
  int32_t count_ = 0;
};
