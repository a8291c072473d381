#include <gtest/gtest.h>

#include "support/live_object.h"
#include "runtime/value/value.h"

using namespace runtime;

TEST(ObjectRef, CountedCopiesTakeAndGiveBackOneReference) {
  auto* o = new LiveObject();
  {
    Value a;
    a.SetCountedObject(o);
    EXPECT_EQ(o->RefCount(), 2);
    Value b = a;
    EXPECT_EQ(o->RefCount(), 3);
    EXPECT_EQ(VariantObject(b), o);
    b.Clear();
    EXPECT_EQ(o->RefCount(), 2);
    ClearCountedObject(a);
    EXPECT_EQ(a.Type(), varEmpty);
  }
  EXPECT_EQ(o->RefCount(), 1);
  o->Release();
  EXPECT_EQ(LiveObject::alive, 0);
}

TEST(ObjectRef, PlainReferencesTakeNothing) {
  auto* o = new LiveObject();
  Value a;
  a.SetObject(o);
  Value b(a);
  EXPECT_EQ(o->RefCount(), 1);
  EXPECT_EQ(b.AsObject(), o);
  ClearCountedObject(b);  // not counted: left alone
  EXPECT_EQ(b.Type(), varObject);
  o->Release();
}

TEST(ObjectRef, ValueOwnsItsLastReference) {
  Value a;
  auto* o = new LiveObject();
  SetVariantObject(a, o, varCountedObject);
  o->Release();
  EXPECT_EQ(LiveObject::alive, 1);
  SetVariantObject(a, o, varCountedObject);  // same object again stays alive
  EXPECT_EQ(LiveObject::alive, 1);
  a.SetInt(3);
  EXPECT_EQ(LiveObject::alive, 0);
  EXPECT_EQ(VariantObject(a), nullptr);
}

TEST(ObjectRef, ValuesAreSixteenBytesWithThePayloadAtOffsetEight) {
  auto* o = new LiveObject();
  Value a;
  a.SetObject(o);
  EXPECT_EQ(sizeof(Value), 16u);
  EXPECT_EQ(*reinterpret_cast<const uint16_t*>(&a), 2010);
  EXPECT_EQ(*reinterpret_cast<CBase* const*>(reinterpret_cast<const char*>(&a) + 8), o);
  o->Release();
}
