#include <gtest/gtest.h>

#include "runtime/base/list.h"
#include "runtime/error.h"
#include "support/live_object.h"

using namespace runtime;

TEST(BaseRefCount, NewObjectStartsAtOneAndDiesAtZero) {
  auto* o = new LiveObject();
  EXPECT_EQ(o->RefCount(), 1);
  EXPECT_EQ(o->AddRef(), 2);
  EXPECT_EQ(o->Release(), 1);
  EXPECT_EQ(LiveObject::alive, 1);
  EXPECT_EQ(o->Release(), 0);
  EXPECT_EQ(LiveObject::alive, 0);
}

TEST(BaseRefCount, NullIsAcceptedAndZeroCountStillDestroys) {
  AddRefObject(nullptr);
  EXPECT_EQ(ReleaseObject(nullptr), 0);
  auto* o = new LiveObject();
  o->Release();  // count 0: gone
  EXPECT_EQ(LiveObject::alive, 0);
}

TEST(List, PutBeyondCountGrowsGeometricallyAndLeavesHolesNull) {
  CList list(false);
  LiveObject item;
  EXPECT_EQ(list.Put(&item, 40), 40);
  EXPECT_EQ(list.Capacity(), 64);
  EXPECT_EQ(list.Count(), 41);
  for (int i = 0; i < 40; ++i) EXPECT_EQ(list.Get(i), nullptr) << i;
  EXPECT_EQ(list.Get(40), &item);
  EXPECT_EQ(list.Put(&item, -1), 41);
  EXPECT_TRUE(list.Contains(&item));
  list.Clear();
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 64);
}

TEST(List, HugeIndexRaisesInsteadOfGrowing) {
  CList list(false);
  for (int32_t index : {CList::kMaxIndex, INT32_MAX}) EXPECT_THROW(list.Put(nullptr, index), EScriptError);
  EXPECT_EQ(list.Count(), 0);
  EXPECT_EQ(list.Capacity(), 0);
}

TEST(List, OwningListReleasesItemsOnClearAndDestruction) {
  auto* list = new CList(true);
  list->Put(new LiveObject(), -1);
  list->Put(new LiveObject(), 5);
  EXPECT_EQ(LiveObject::alive, 2);
  list->Clear();
  EXPECT_EQ(LiveObject::alive, 0);
  list->Put(new LiveObject(), -1);
  list->Release();
  EXPECT_EQ(LiveObject::alive, 0);
}

TEST(NamedList, FindsByNameAndPutReplacesKnownName) {
  auto* list = new CNamedList(true);
  auto* a = new LiveObject();
  auto* b = new LiveObject();
  auto* c = new LiveObject();
  list->Put(QT("alpha"), a);
  EXPECT_EQ(list->Add(b), 1);
  EXPECT_EQ(list->Find(QT("ALPHA")), a);
  EXPECT_EQ(list->Find(QT("beta")), nullptr);
  list->Put(QT("Alpha"), c);  // replaced, not released
  EXPECT_EQ(list->Find(QT("alpha")), c);
  EXPECT_EQ(list->Count(), 2);
  EXPECT_EQ(LiveObject::alive, 3);
  a->Release();
  list->Clear();  // names only
  EXPECT_EQ(list->Find(QT("alpha")), nullptr);
  EXPECT_EQ(list->Count(), 2);
  list->Release();
  EXPECT_EQ(LiveObject::alive, 0);
}
