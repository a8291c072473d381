#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/base/list.h"
#include "runtime/image/base_streamers.h"
#include "image_fixture.h"

using namespace runtime;

namespace {

RecordBody Probe(int32_t child, int32_t owner) {
  RecordBody body;
  if (child) body.Field(kProbeClassId, kProbeChild).Ref(child);
  if (owner) body.Field(kProbeClassId, kProbeOwner).Ref(owner);
  return body;
}

// An owning list at record 1 holding each of the given records.
std::string RootListOver(const std::vector<int32_t>& held, const std::vector<RecordBody>& probes) {
  ImageWriter writer;
  writer.Add(kListClassId, ListBody(true, held));
  for (const RecordBody& probe : probes) writer.Add(kProbeClassId, probe);
  return writer.Build();
}

// Lists nested depth deep under the root, the last one empty.
std::string ListChain(int32_t depth) {
  ImageWriter writer;
  for (int32_t record = 1; record <= depth; ++record) writer.Add(kListClassId, ListBody(true, {record + 1}));
  writer.Add(kListClassId, ListBody(true, {}));
  return writer.Build();
}

}  // namespace

using ImageReferences = ImageTest;

TEST_F(ImageReferences, RebuildsATreeWithOwnersAndValues) {
  ImageWriter writer;
  writer.Add(kProbeClassId, Probe(2, 0).Field(kProbeClassId, kProbeName).Text("main").RefCount(1));
  writer.Add(kProbeClassId, Probe(3, 1)
                                .Field(kProbeClassId, kProbeValue).ObjectValue(varObject, 1)
                                .Field(kProbeClassId, kProbeNumber).Int(-40000));
  writer.Add(kLeafClassId, RecordBody());
  LoadedRoot root(writer.Build());
  auto* main = root.As<ProbeNode>();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(main->name, QT("main"));
  auto* child = dynamic_cast<ProbeNode*>(main->child);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(child->owner, main);
  EXPECT_EQ(child->value.AsObject(), main);
  EXPECT_EQ(child->number, -40000);
  EXPECT_EQ(main->RefCount(), 1) << "plain references do not count";
  EXPECT_EQ(child->RefCount(), 1);
  EXPECT_EQ(child->child->RefCount(), 1);
}

TEST_F(ImageReferences, SharedNodesAreCountedOncePerHolder) {
  LoadedRoot root(RootListOver({2, 3, 4}, {Probe(4, 0), Probe(4, 2), RecordBody()}));
  CBase* shared = root.As<CList>()->Get(2);
  EXPECT_EQ(shared->RefCount(), 3);
  EXPECT_EQ(static_cast<ProbeNode*>(root.As<CList>()->Get(0))->child, shared);
}

TEST_F(ImageReferences, RefusesReferencesOutOfRangeOrOfTheWrongClass) {
  const std::string refused[] = {
      RootListOver({2, 5}, {RecordBody()}),
      RootListOver({2, -1}, {RecordBody()}),
      RootListOver({2}, {Probe(0, 3)}),      // owner beyond the records
      RootListOver({2, 3}, {Probe(0, 1), RecordBody()}),  // owner must be a probe, record 1 is a list
  };
  for (const std::string& image : refused) EXPECT_EQ(LoadError(image), kBadFormat);
}

TEST_F(ImageReferences, RefusesCyclesOfCountedReferences) {
  struct Case {
    const char* what;
    std::vector<int32_t> held;
    std::vector<RecordBody> probes;
  } cases[] = {
      {"a node holding itself", {2}, {Probe(2, 0)}},
      {"two nodes holding each other", {2}, {Probe(3, 0), Probe(2, 0)}},
      {"a cycle closed from below", {2}, {Probe(3, 0), Probe(4, 0), Probe(2, 0)}},
      {"a cycle held from outside", {2, 4}, {Probe(0, 0), Probe(4, 0), Probe(3, 0)}},
      {"a cycle through the root", {2}, {Probe(1, 0)}},
      {"a counted value holding its holder",
       {2},
       {RecordBody().Field(kProbeClassId, kProbeValue).ObjectValue(varCountedObject, 1)}},
  };
  for (const auto& c : cases) EXPECT_EQ(LoadError(RootListOver(c.held, c.probes)), kBadFormat) << c.what;
}

TEST_F(ImageReferences, PlainBackReferencesAreNoCycle) {
  LoadedRoot root(RootListOver({2}, {Probe(3, 2), Probe(0, 2).Field(kProbeClassId, kProbeValue)
                                                          .ObjectValue(varObject, 2)}));
  auto* top = static_cast<ProbeNode*>(root.As<CList>()->Get(0));
  EXPECT_EQ(top->owner, top);
  EXPECT_EQ(static_cast<ProbeNode*>(top->child)->value.AsObject(), top);
}

TEST_F(ImageReferences, RefusesRecordsNothingHolds) {
  EXPECT_EQ(LoadError(RootListOver({2}, {RecordBody(), RecordBody()})), kBadFormat) << "one left over";
  EXPECT_EQ(LoadError(RootListOver({2}, {Probe(0, 3), RecordBody()})), kBadFormat) << "referenced, not held";
  ImageWriter plainOnly;
  plainOnly.Add(kListClassId, ListBody(false, {2}));
  plainOnly.Add(kLeafClassId, RecordBody());
  EXPECT_EQ(LoadError(plainOnly.Build()), kBadFormat) << "in a list that does not own it";
}

// No walk of the loader, and not the tree's release, takes a stack frame
// per link.
TEST_F(ImageReferences, HoldingChainsMayBeAsDeepAsTheRecordsAreMany) {
  const int32_t depth = 200000;
  LoadedRoot root(ListChain(depth));
  int32_t links = 0;
  for (auto* list = root.As<CList>(); list->Count() == 1; list = static_cast<CList*>(list->Get(0))) ++links;
  EXPECT_EQ(links, depth);
}

TEST_F(ImageReferences, AFailedLoadFreesWhatItBuilt) {
  ImageWriter writer;
  writer.Add(kListClassId, ListBody(true, {2, 3, 4}));
  writer.Add(kProbeClassId, Probe(3, 0).Field(kProbeClassId, kProbeValue).ObjectValue(varCountedObject, 4));
  writer.Add(kLeafClassId, RecordBody());
  writer.Add(kProbeClassId, Probe(3, 0).Field(kProbeClassId, 77).Int(0));
  const int alive = LiveObject::alive;
  EXPECT_EQ(LoadError(writer.Build()), kBadFormat);
  EXPECT_EQ(LiveObject::alive, alive);
}

// Every list of a deep chain also holds one small shared subtree made early:
// the cycle check of each shared reference is as cheap as the subtree.
TEST_F(ImageReferences, CycleChecksStayCheapOnADeepChainSharingASubtree) {
  const int32_t depth = 3000;
  ImageWriter writer;
  writer.Add(kListClassId, ListBody(true, {2, 4}));
  writer.Add(kListClassId, ListBody(true, {3}));
  writer.Add(kLeafClassId, RecordBody());
  for (int32_t record = 4; record < depth; ++record) writer.Add(kListClassId, ListBody(true, {record + 1, 2}));
  writer.Add(kListClassId, ListBody(true, {2}));
  LoadedRoot root(writer.Build());
  EXPECT_EQ(root.As<CList>()->Get(0)->RefCount(), depth - 2);
}

// Each list of a deep chain holds the head of a long second chain: every
// check is long from both ends. Such an image is refused, not loaded slowly.
TEST_F(ImageReferences, PathologicalSharingIsRefused) {
  const int32_t length = 2000;
  ImageWriter writer;
  writer.Add(kListClassId, ListBody(true, {2, length + 2}));
  for (int32_t record = 2; record <= length; ++record) writer.Add(kListClassId, ListBody(true, {record + 1}));
  writer.Add(kListClassId, ListBody(true, {}));
  for (int32_t record = length + 2; record < 2 * length; ++record)
    writer.Add(kListClassId, ListBody(true, {record + 1, 2}));
  writer.Add(kListClassId, ListBody(true, {2}));
  EXPECT_EQ(LoadError(writer.Build()), kBadFormat);
}
