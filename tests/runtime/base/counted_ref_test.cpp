#include <gtest/gtest.h>

#include <utility>

#include "runtime/base/ref.h"
#include "support/live_object.h"

using namespace runtime;

namespace {

// An object that holds the next one, as tree nodes hold their parts.
class Holder : public LiveObject {
public:
  Ref<Holder> next;
};

}  // namespace

TEST(CountedRef, AdoptRetainCopyMoveAndDetachKeepTheCountExact) {
  {
    const Ref<LiveObject> adopted = MakeRef<LiveObject>();
    EXPECT_EQ(adopted->RefCount(), 1);
    Ref<LiveObject> retained = Retain(adopted.Get());
    EXPECT_EQ(adopted->RefCount(), 2);
    Ref<LiveObject> copy = retained;
    EXPECT_EQ(adopted->RefCount(), 3);
    Ref<LiveObject> moved = std::move(copy);
    EXPECT_EQ(copy.Get(), nullptr);
    EXPECT_EQ(adopted->RefCount(), 3);
    LiveObject* detached = moved.Detach();
    EXPECT_EQ(adopted->RefCount(), 3);
    ReleaseObject(detached);
    retained.Reset();
    EXPECT_EQ(retained.Get(), nullptr);
    EXPECT_EQ(adopted->RefCount(), 1);
  }
  EXPECT_EQ(LiveObject::alive, 0);
}

// The new reference is taken before the old one goes: assigning what the
// old object holds, or the Ref itself, leaves no dangling pointer.
TEST(CountedRef, AssigningWhatTheOldObjectHoldsIsSafe) {
  Ref<Holder> head = MakeRef<Holder>();
  head->next = MakeRef<Holder>();
  head = head->next;
  EXPECT_EQ(LiveObject::alive, 1);
  EXPECT_EQ(head->RefCount(), 1);
  head = head;
  EXPECT_EQ(head->RefCount(), 1);
  head.Reset();
  EXPECT_EQ(LiveObject::alive, 0);
}

TEST(CountedRef, EmptyRefsGiveBackNothing) {
  Ref<LiveObject> empty = Retain<LiveObject>(nullptr);
  Ref<LiveObject> other = empty;
  other.Reset();
  EXPECT_EQ(static_cast<LiveObject*>(empty), nullptr);
}
