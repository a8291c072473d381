#include <gtest/gtest.h>

#include "runtime/error.h"
#include "support/live_object.h"
#include "runtime/value/var_stack.h"

using namespace runtime;

namespace {

// A local of a function as the program tree keeps it: a home value and a
// current-value pointer that the stack redirects.
struct Local {
  Value home;
  Value* current = &home;
  CVarStack* stack;

  explicit Local(CVarLevels* levels) : stack(new CVarStack(levels, &current, &home)) {}
  ~Local() { stack->Release(); }
  void Set(int32_t v) {
    stack->EnsureLevel();
    current->SetInt(v);
  }
  int32_t Get() const { return current->AsInt32Raw(); }
};

// One function with two locals, called recursively by the tests.
struct Function {
  CVarLevels* levels = new CVarLevels();
  Local x{levels};
  Local y{levels};
  ~Function() { levels->Release(); }
};

}  // namespace

TEST(VarStack, EachRecursionLevelKeepsItsOwnLocals) {
  Function f;
  f.levels->EnterLevel();
  f.x.Set(1);
  f.levels->EnterLevel();
  f.x.Set(2);
  f.y.Set(20);
  f.levels->EnterLevel();
  f.x.Set(3);
  f.y.Set(30);
  EXPECT_EQ(f.x.Get(), 3);
  f.levels->LeaveLevel();
  EXPECT_EQ(f.x.Get(), 2);
  EXPECT_EQ(f.y.Get(), 20);
  f.levels->LeaveLevel();
  EXPECT_EQ(f.x.Get(), 1);
  EXPECT_EQ(f.x.stack->Count(), 0) << "level 1 uses the home value";
  f.levels->LeaveLevel();
  EXPECT_EQ(f.levels->Depth(), 0);
}

TEST(VarStack, ReadBeforeSetSeesTheLevelBelow) {
  Function f;
  f.levels->EnterLevel();
  f.levels->EnterLevel();
  f.x.Set(2);
  f.levels->EnterLevel();
  EXPECT_EQ(f.x.Get(), 2);
  f.x.Set(3);
  EXPECT_EQ(f.x.stack->Count(), 2);
  f.levels->LeaveLevel();
  EXPECT_EQ(f.x.Get(), 2);
}

TEST(VarStack, LeavingALevelPopsOnlyWhatWasSetThere) {
  Function f;
  f.levels->EnterLevel();
  f.x.Set(1);
  f.levels->EnterLevel();  // level 2 leaves x alone
  f.levels->EnterLevel();
  f.x.Set(3);
  EXPECT_EQ(f.x.stack->Count(), 1);
  f.levels->EnterLevel();
  f.x.Set(4);
  f.levels->LeaveLevel();
  EXPECT_EQ(f.x.Get(), 3) << "level 3 reads its own value, not level 4's";
  f.levels->LeaveLevel();
  EXPECT_EQ(f.x.Get(), 1) << "level 2 never set x: it designates level 1's value";
  EXPECT_EQ(f.x.stack->Count(), 0);
  f.x.Set(2);
  EXPECT_EQ(f.x.Get(), 2);
  f.levels->LeaveLevel();
  EXPECT_EQ(f.x.Get(), 1);
}

TEST(VarStack, AResultStaysReadableAfterItsLevelIsLeft) {
  Function f;
  f.levels->EnterLevel();
  f.levels->EnterLevel();
  f.x.Set(42);
  const Value* result = f.x.current;
  f.levels->LeaveLevel();
  EXPECT_EQ(result->AsInt32Raw(), 42);
  EXPECT_NE(f.x.current, result);
}

TEST(VarStack, ValuesDoNotMoveWhileTheStackGrows) {
  Function f;
  f.levels->EnterLevel();
  f.levels->EnterLevel();
  f.x.Set(2);
  const Value* level2 = f.x.current;
  for (int level = 3; level < 200; ++level) {
    f.levels->EnterLevel();
    f.x.Set(level);
  }
  EXPECT_EQ(level2->AsInt32Raw(), 2);
  for (int level = 199; level >= 3; --level) {
    EXPECT_EQ(f.x.Get(), level);
    f.levels->LeaveLevel();
  }
  EXPECT_EQ(f.x.current, level2);
}

TEST(VarStack, AReusedEntryStartsEmptyAndReleasesTheOldValue) {
  Function f;
  auto* object = new LiveObject();
  f.levels->EnterLevel();
  f.levels->EnterLevel();
  f.x.stack->EnsureLevel();
  f.x.current->SetCountedObject(object);
  object->Release();
  f.levels->LeaveLevel();
  EXPECT_EQ(LiveObject::alive, 1) << "kept for the caller";
  f.levels->EnterLevel();
  f.x.stack->EnsureLevel();
  EXPECT_EQ(LiveObject::alive, 0);
  EXPECT_TRUE(f.x.current->IsEmpty());
  f.levels->LeaveLevel();
  f.levels->LeaveLevel();
}

TEST(VarStack, LeavingMoreLevelsThanEnteredRaises) {
  Function f;
  EXPECT_THROW(f.levels->LeaveLevel(), EScriptError);
}

TEST(VarStack, ADestroyedStackIsForgottenByItsLevels) {
  auto* levels = new CVarLevels();
  {
    Local temporary(levels);
    levels->EnterLevel();
    levels->EnterLevel();
    temporary.Set(5);
  }
  levels->LeaveLevel();
  levels->LeaveLevel();
  EXPECT_EQ(levels->RefCount(), 1);
  levels->Release();
}

// A variable may go while its function runs (a name declared again): leaving
// the level pops the others and leaves the gone one alone.
TEST(VarStack, AStackReleasedInsideALevelIsLeftOutWhenTheLevelEnds) {
  Function f;
  f.levels->EnterLevel();
  f.levels->EnterLevel();
  f.x.Set(2);
  auto* gone = new Local(f.levels);
  gone->Set(7);
  f.y.Set(20);
  delete gone;
  f.levels->LeaveLevel();
  EXPECT_EQ(f.x.stack->Count(), 0);
  EXPECT_EQ(f.y.stack->Count(), 0);
  f.levels->LeaveLevel();
  EXPECT_EQ(f.levels->Depth(), 0);
}
