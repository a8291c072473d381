#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

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

// Caches key on the version: every change of what a name or position gives
// must renew it, a lookup must not, and no two lists may share one.
TEST(NamedList, EveryChangeRenewsTheVersionAndNoListSharesOne) {
  auto* list = new CNamedList(true);
  auto* other = new CNamedList(true);
  EXPECT_NE(list->Version(), other->Version());
  std::vector<uint64_t> seen{list->Version(), other->Version()};
  const auto expectNew = [&](const char* step) {
    for (uint64_t earlier : seen) EXPECT_NE(list->Version(), earlier) << step;
    seen.push_back(list->Version());
  };
  list->Put(QT("alpha"), new LiveObject());
  expectNew("put of a new name");
  list->Find(QT("alpha"));
  list->IndexOfName(QT("beta"));
  EXPECT_EQ(list->Version(), seen.back()) << "lookups";
  auto* replaced = list->Find(QT("alpha"));
  list->Put(QT("ALPHA"), new LiveObject());
  replaced->Release();
  expectNew("put of a known name");
  list->Add(new LiveObject());
  expectNew("add");
  auto* moved = list->Get(0);
  list->SetItem(0, new LiveObject());
  moved->Release();
  expectNew("item set by position");
  list->Items();
  expectNew("items handed out");
  list->Clear();
  expectNew("names cleared");
  other->Release();
  list->Release();
  // A list made where a freed one was still gets a version of its own.
  auto* later = new CNamedList(true);
  for (uint64_t earlier : seen) EXPECT_NE(later->Version(), earlier);
  later->Release();
  EXPECT_EQ(LiveObject::alive, 0);
}

TEST(NamedList, NamesMatchPositionsUntilAnItemGoesInByPosition) {
  const struct {
    const char* step;
    void (*change)(CNamedList&);
    bool matches;
  } cases[] = {
      {"names only", [](CNamedList& l) { l.Put(QT("b"), new LiveObject()); }, true},
      {"unnamed add", [](CNamedList& l) { l.Add(new LiveObject()); }, false},
      {"set by position", [](CNamedList& l) { l.SetItem(2, new LiveObject()); }, false},
      {"items handed out", [](CNamedList& l) { l.Items(); }, false},
      {"names cleared", [](CNamedList& l) { l.Clear(); }, false},
  };
  for (const auto& c : cases) {
    auto* list = new CNamedList(true);
    list->Put(QT("a"), new LiveObject());
    EXPECT_TRUE(list->NamesMatchPositions()) << c.step;
    c.change(*list);
    EXPECT_EQ(list->NamesMatchPositions(), c.matches) << c.step;
    list->Release();
  }
  EXPECT_EQ(LiveObject::alive, 0);
}
