#include <gtest/gtest.h>

#include "runtime/base/list.h"
#include "support/live_object.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/array_rep.h"

using namespace runtime;

// Releasing the head of a long chain frees the links one after another, not
// one inside the other, so the depth of a structure never costs stack.
namespace {

constexpr int32_t kDeep = 1000000;

// A list holding the one before; room for one item keeps a million small.
CBase* ListLink(CBase* inner) {
  auto* list = new CList(true);
  list->SetCapacity(1);
  list->Put(inner, -1);
  return list;
}

CBase* ListChain(int32_t depth, CBase* bottom) {
  CBase* head = bottom;
  for (int32_t i = 0; i < depth; ++i) head = ListLink(head);
  return head;
}

// A script object whose one member refers to the object before, as
// "b.@add(a)" (no name) or "b.tail = a" leaves it.
CBase* ObjectLink(CBase* inner, TextView name) {
  auto* object = new CObjectInstance(nullptr);
  auto* member = new CValue(object);
  member->SetName(name);
  member->SetCountedObject(inner);
  ReleaseObject(inner);
  object->Members()->Items().SetCapacity(1);
  object->Members()->Add(member);
  return object;
}

// Makes a new object and drops it while being destroyed.
class DroppingObject : public LiveObject {
public:
  ~DroppingObject() override { ListLink(new LiveObject())->Release(); }
};

TEST(DeepRelease, AMillionNestedListsAreFreed) {
  ListChain(kDeep, new LiveObject())->Release();
  EXPECT_EQ(LiveObject::alive, 0);
}

TEST(DeepRelease, AMillionNestedScriptObjectsAreFreed) {
  for (TextView name : {QT(""), QT("tail")}) {
    const int32_t nodesBefore = CNode::LiveCount();
    CBase* head = new CObjectInstance(nullptr);
    for (int32_t i = 0; i < kDeep; ++i) head = ObjectLink(head, name);
    head->Release();
    EXPECT_EQ(CNode::LiveCount(), nodesBefore) << (name.empty() ? "unnamed" : "named") << " members";
  }
}

// Variant arrays (from the host) whose one element is the array before,
// the innermost holding an object.
TEST(DeepRelease, AMillionNestedArraysAreFreed) {
  const ArrayBound one{0, 1};
  Value head;
  head.SetCountedObject(new LiveObject());
  head.AsObject()->Release();
  for (int32_t i = 0; i < kDeep; ++i) {
    ArrayRep* array = ArrayRep::Make(varVariantArray, {&one, 1});
    array->Element(0) = std::move(head);
    head.AdoptArray(array);
  }
  head.Clear();
  EXPECT_EQ(LiveObject::alive, 0);
}

TEST(DeepRelease, WideListsOfDeepChainsAreFreed) {
  auto* wide = new CList(true);
  for (int32_t i = 0; i < 2000; ++i) wide->Put(ListChain(500, new LiveObject()), -1);
  wide->Release();
  EXPECT_EQ(LiveObject::alive, 0);
}

TEST(DeepRelease, ObjectsADestructorMakesAndDropsAreFreed) {
  auto* list = new CList(true);
  for (int32_t i = 0; i < 100; ++i) list->Put(ListChain(3, new DroppingObject()), -1);
  list->Release();
  EXPECT_EQ(LiveObject::alive, 0);
}

}  // namespace
