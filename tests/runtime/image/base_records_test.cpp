#include <gtest/gtest.h>

#include <string>

#include "runtime/base/list.h"
#include "runtime/base/trie.h"
#include "runtime/image/base_streamers.h"
#include "image_fixture.h"
#include "runtime/value/var_stack.h"

using namespace runtime;

namespace {

RecordBody Leaf() { return RecordBody(); }

// Records 2.. of an owning list at record 1 that holds them.
int32_t AddLeaves(ImageWriter& writer, int count) {
  int32_t first = 0;
  for (int i = 0; i < count; ++i) {
    const int32_t record = writer.Add(kLeafClassId, Leaf());
    if (i == 0) first = record;
  }
  return first;
}

}  // namespace

using BaseRecords = ImageTest;

TEST_F(BaseRecords, OwningListHoldsItsItemsInOrder) {
  ImageWriter writer;
  writer.Add(kListClassId, ListBody(true, {3, 0, 2, 3}));
  AddLeaves(writer, 2);
  LoadedRoot root(writer.Build());
  auto* list = root.As<CList>();
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->Count(), 4);
  EXPECT_TRUE(list->OwnsItems());
  EXPECT_EQ(list->Get(1), nullptr);
  EXPECT_EQ(list->Get(0), list->Get(3));
  EXPECT_NE(list->Get(0), list->Get(2));
  EXPECT_EQ(list->Get(0)->RefCount(), 2) << "held twice by the list";
  EXPECT_EQ(list->Get(2)->RefCount(), 1);
}

TEST_F(BaseRecords, PlainListReferencesWithoutHolding) {
  ImageWriter writer;
  writer.Add(kListClassId, ListBody(true, {2, 3, 4}));
  writer.Add(kListClassId, ListBody(false, {3, 4, 3}));
  AddLeaves(writer, 2);
  LoadedRoot root(writer.Build());
  auto* view = static_cast<CList*>(root.As<CList>()->Get(0));
  EXPECT_FALSE(view->OwnsItems());
  EXPECT_EQ(view->Get(0), root.As<CList>()->Get(1));
  EXPECT_EQ(view->Get(2)->RefCount(), 1);
}

TEST_F(BaseRecords, TrieKeysAreSymbolsThatOrdinaryLookupsFind) {
  ImageWriter writer;
  writer.Add(kTrieClassId, TrieBody({{SymbolKey(u"Alpha"), 2}, {SymbolKey(u"x y[5"), 3}, {SymbolKey(u""), 4},
                                     {SymbolKey(u"@Alpha"), 3}}));
  AddLeaves(writer, 3);
  LoadedRoot root(writer.Build());
  auto* trie = root.As<CTrie>();
  ASSERT_NE(trie, nullptr);
  void* alpha = trie->IndexOf(QT("ALPHA"));
  ASSERT_NE(alpha, nullptr);
  EXPECT_EQ(static_cast<CBase*>(alpha)->RefCount(), 1);
  EXPECT_NE(trie->IndexOf(QT("x y[5")), nullptr);
  EXPECT_EQ(trie->IndexOf(QT("x y[5")), trie->IndexOf(QT("@alpha")));
  EXPECT_EQ(static_cast<CBase*>(trie->IndexOf(QT("@alpha")))->RefCount(), 2);
  EXPECT_NE(trie->IndexOf(QT("")), nullptr);
  EXPECT_EQ(trie->IndexOf(QT("alph")), nullptr);
}

TEST_F(BaseRecords, RefusesTrieKeysThatAreNotSymbolsOrRepeat) {
  const KeyedItems refused[] = {
      {{std::string(1, '\x27'), 2}},                      // the value symbol
      {{std::string(1, '\x29'), 2}},                      // beyond the symbols
      {{"\xC3\xA4", 2}},                                  // a character, not a symbol
      {{SymbolKey(u"a"), 2}, {SymbolKey(u"A"), 2}},       // one key twice
      {{SymbolKey(u"a"), 0}},                             // no item
  };
  for (const KeyedItems& items : refused) {
    ImageWriter writer;
    writer.Add(kTrieClassId, TrieBody(items));
    AddLeaves(writer, 1);
    EXPECT_EQ(LoadError(writer.Build()), kBadFormat);
  }
}

TEST_F(BaseRecords, NamedListTakesOverItsInnerList) {
  for (bool owns : {true, false}) {
    ImageWriter writer;
    writer.Add(kListClassId, ListBody(true, {2, 4, 5}));
    writer.Add(kNamedListClassId, NamedListBody(3, {{SymbolKey(u"first"), 1}, {SymbolKey(u"third"), 3}}));
    writer.Add(kListClassId, ListBody(owns, {4, 0, 5}));
    AddLeaves(writer, 2);
    LoadedRoot root(writer.Build());
    auto* named = static_cast<CNamedList*>(root.As<CList>()->Get(0));
    ASSERT_EQ(named->Count(), 3);
    EXPECT_EQ(named->Items().OwnsItems(), owns);
    EXPECT_EQ(named->Find(QT("FIRST")), root.As<CList>()->Get(1));
    EXPECT_EQ(named->Find(QT("third")), root.As<CList>()->Get(2));
    EXPECT_EQ(named->Get(1), nullptr);
    EXPECT_EQ(named->Find(QT("second")), nullptr);
    EXPECT_EQ(named->Find(QT("first"))->RefCount(), owns ? 2 : 1);
  }
}

TEST_F(BaseRecords, NamedListWithoutInnerListHasNoNames) {
  ImageWriter writer;
  writer.Add(kNamedListClassId, NamedListBody(0, {}));
  LoadedRoot root(writer.Build());
  EXPECT_EQ(root.As<CNamedList>()->Count(), 0);

  ImageWriter named;
  named.Add(kNamedListClassId, NamedListBody(0, {{SymbolKey(u"a"), 1}}));
  EXPECT_EQ(LoadError(named.Build()), kBadFormat);
}

TEST_F(BaseRecords, RefusesNamedListsWhoseInnerListIsNotTheirsAlone) {
  struct Case {
    const char* what;
    std::vector<int32_t> rootItems;
    int32_t inner;
    int32_t position;
  } cases[] = {
      {"position 0", {2}, 3, 0},
      {"position beyond the list", {2}, 3, 3},
      {"inner list held elsewhere too", {2, 3}, 3, 1},
      {"inner list not a list", {2}, 4, 1},
      {"inner list out of range", {2}, 9, 1},
  };
  for (const auto& c : cases) {
    ImageWriter writer;
    writer.Add(kListClassId, ListBody(true, c.rootItems));
    writer.Add(kNamedListClassId, NamedListBody(c.inner, {{SymbolKey(u"a"), c.position}}));
    writer.Add(kListClassId, ListBody(true, {4, 5}));
    AddLeaves(writer, 2);
    EXPECT_EQ(LoadError(writer.Build()), kBadFormat) << c.what;
  }
  ImageWriter plainToo;
  plainToo.Add(kListClassId, ListBody(true, {2, 4}));
  plainToo.Add(kNamedListClassId, NamedListBody(3, {}));
  plainToo.Add(kListClassId, ListBody(true, {}));
  plainToo.Add(kListClassId, ListBody(false, {3}));
  EXPECT_EQ(LoadError(plainToo.Build()), kBadFormat) << "inner list also referenced plainly";
}

TEST_F(BaseRecords, ListSubclassChecksOwnershipAndItemClass) {
  auto image = [](bool owns, int32_t itemClass) {
    ImageWriter writer;
    writer.Add(kListClassId, ListBody(true, {2, 4}));
    writer.Add(kLeafListClassId, NamedListBody(3, {{SymbolKey(u"x"), 1}}));
    writer.Add(kListClassId, ListBody(owns, {4}));
    writer.Add(itemClass, RecordBody());
    return writer.Build();
  };
  // An inner list that shares its items leaves the subclass, which always
  // owns them, to take a reference of its own to each.
  for (bool owns : {true, false}) {
    LoadedRoot root(image(owns, kLeafClassId));
    auto* leaves = static_cast<LeafList*>(root.As<CList>()->Get(0));
    EXPECT_EQ(leaves->Find(QT("x")), root.As<CList>()->Get(1)) << (owns ? "owning" : "sharing");
  }
  EXPECT_EQ(LoadError(image(true, kProbeClassId)), kBadFormat) << "an item of the wrong class";
}

TEST_F(BaseRecords, VarLevelsTakeDepthAndBaseLevel) {
  ImageWriter writer;
  writer.Add(kVarLevelsClassId, VarLevelsBody(3, 2, 2).RefCount(1));
  writer.Add(kListClassId, ListBody(false, {}));
  LoadedRoot root(writer.Build());
  auto* levels = root.As<CVarLevels>();
  ASSERT_NE(levels, nullptr);
  EXPECT_EQ(levels->Depth(), 3);
  EXPECT_EQ(levels->BaseLevel(), 2);

  ImageWriter plain;
  plain.Add(kVarLevelsClassId, RecordBody());
  LoadedRoot defaults(plain.Build());
  EXPECT_EQ(defaults.As<CVarLevels>()->Depth(), 0);
  EXPECT_EQ(defaults.As<CVarLevels>()->BaseLevel(), 1);
}

TEST_F(BaseRecords, RefusesVarLevelsOfARunningCallOrOutOfRange) {
  const int32_t tooHigh = CVarLevelsStreamer::kMaxLevel + 1;
  struct Case {
    const char* what;
    int32_t depth, baseLevel, stackItems;
  } cases[] = {
      {"stacks with entries", 0, 1, 1}, {"negative depth", -1, 1, 0}, {"negative base", 0, -1, 0},
      {"depth too high", tooHigh, 1, 0}, {"base too high", 0, tooHigh, 0},
  };
  for (const auto& c : cases) {
    ImageWriter writer;
    writer.Add(kListClassId, ListBody(true, {2, 4}));
    writer.Add(kVarLevelsClassId, VarLevelsBody(c.depth, 3, c.baseLevel));
    writer.Add(kListClassId, ListBody(false, c.stackItems ? std::vector<int32_t>{4} : std::vector<int32_t>{}));
    writer.Add(kLeafClassId, Leaf());
    EXPECT_EQ(LoadError(writer.Build()), kBadFormat) << c.what;
  }
}

TEST_F(BaseRecords, StoredReferenceCountsGiveWayToTheReferencesMade) {
  ImageWriter writer;
  writer.Add(kListClassId, ListBody(true, {2, 2, 3}).RefCount(7));
  writer.Add(kLeafClassId, RecordBody().RefCount(1));
  writer.Add(kBaseClassId, RecordBody().RefCount(3));
  LoadedRoot root(writer.Build());
  EXPECT_EQ(root.Get()->RefCount(), 1) << "the caller's reference only";
  EXPECT_EQ(root.As<CList>()->Get(0)->RefCount(), 2);
  EXPECT_EQ(root.As<CList>()->Get(2)->RefCount(), 1);
}

TEST_F(BaseRecords, RefusesUnknownRepeatedOrTruncatedFields) {
  const RecordBody refused[] = {
      RecordBody().Field(0, 1).Int(0),
      RecordBody().Field(1, 0).Int(0),
      RecordBody().Field(kProbeClassId, 9).Int(0),
      RecordBody().Field(0, 0).Int(0).Field(0, 0).Int(0),
      RecordBody().Field(kProbeClassId, kProbeName).Text("a").Field(kProbeClassId, kProbeName).Text("b"),
      RecordBody().Field(kProbeClassId, kProbeNumber),
      RecordBody().Int(kProbeClassId),
  };
  for (const RecordBody& body : refused) {
    ImageWriter writer;
    writer.Add(kProbeClassId, body);
    EXPECT_EQ(LoadError(writer.Build()), kBadFormat) << testing::PrintToString(body.Bytes());
  }
}

TEST_F(BaseRecords, RefusesUnregisteredClassIds) {
  for (int32_t id : {99, 150, 203, -1, 0x10000}) {
    ImageWriter writer;
    writer.Add(id, RecordBody());
    EXPECT_EQ(LoadError(writer.Build()), kBadFormat) << id;
  }
}
