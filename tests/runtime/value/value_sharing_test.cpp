// Texts and arrays are shared between copies and freed with the last one.
#include <gtest/gtest.h>

#include <array>

#include "support/live_object.h"
#include "support/value_makers.h"
#include "runtime/value/arith.h"
#include "runtime/value/array_rep.h"

using namespace runtime;

namespace {

int32_t Refs(const Value& text) { return text.Type() == varString ? text.Text8()->refs : text.Text16()->refs; }

Value ThreeElements() {
  std::array<ArrayBound, 1> bounds{{{1, 3}}};
  Value a;
  a.AdoptArray(ArrayRep::Make(varVariantArray, bounds));
  return a;
}

}  // namespace

TEST(ValueSharing, TextCopiesShareOneBufferAndGiveItBack) {
  Value a = Txt("shared");
  {
    Value b = a;
    Value c;
    ChangeType(c, b, b.Type());
    std::array<Value, 3> more{a, b, c};
    EXPECT_EQ(Refs(a), 6);
    more[0] = Int(1);
    EXPECT_EQ(Refs(a), 5);
  }
  EXPECT_EQ(Refs(a), 1);
  Value moved = std::move(a);
  EXPECT_TRUE(a.IsEmpty());
  EXPECT_EQ(Refs(moved), 1);
}

TEST(ValueSharing, ConcatenationGrowsOnlyATextNoOtherValueHolds) {
  Value a = Txt("ab");
  Value b = a;
  ValueConcat(a, Txt("c"));
  EXPECT_TRUE(SameValue(b, Txt("ab")));
  EXPECT_TRUE(SameValue(a, Txt("abc")));
  EXPECT_EQ(Refs(a), 1);
  ValueConcat(a, Int(1));
  EXPECT_TRUE(SameValue(a, Txt("abc1")));
  ValueConcat(a, a);
  EXPECT_TRUE(SameValue(a, Txt("abc1abc1")));
  AppendText(b, TextFromAscii("x"));
  EXPECT_TRUE(SameValue(b, Txt("abx")));
  // Texts of another kind become the build's text rather than growing.
  for (Value other : {Ole("ab"), Wide("ab"), Ansi("ab", 1252), Ansi("ab", 0)}) {
    SCOPED_TRACE(Show(other));
    ValueConcat(other, Txt("c"));
    EXPECT_TRUE(SameValue(other, Txt("abc")));
    if (other.Type() == varString) {
      EXPECT_EQ(other.Text8()->codePage, 0);
    }
  }
}

TEST(ValueSharing, AppendedTextsGainRoomByHalves) {
  BuildTextRep* rep = BuildTextRep::Make(TextFromAscii("a"));
  int32_t moves = 0;
  for (int i = 0; i < 100000; ++i) {
    const int32_t capacity = rep->capacity;
    rep = BuildTextRep::Append(rep, TextFromAscii("b"));
    moves += rep->capacity != capacity;
  }
  EXPECT_LE(moves, 30);
  EXPECT_EQ(rep->length, 100001);
  EXPECT_EQ(rep->data[100000], Char('b'));
  EXPECT_EQ(rep->data[100001], Char(0));
  rep->Release();
}

TEST(ValueSharing, ArrayCopiesShareUntilOneIsWritten) {
  Value text = Txt("one");
  Value a = ThreeElements();
  a.MutableArray()->Element(0) = text;
  {
    Value b = a;
    Value c = b;
    EXPECT_EQ(a.Array()->RefCount(), 3);
    b.MutableArray()->Element(1) = Int(1);
    EXPECT_EQ(a.Array()->RefCount(), 2);
    EXPECT_EQ(b.Array()->RefCount(), 1);
    EXPECT_EQ(Refs(text), 3) << "both buffers hold the text";
    EXPECT_TRUE(a.Array()->Element(1).IsEmpty());
    EXPECT_EQ(ToInt32(b.Array()->Element(1)), 1);
  }
  EXPECT_EQ(a.Array()->RefCount(), 1);
  EXPECT_EQ(Refs(text), 2);
  a.Clear();
  EXPECT_EQ(Refs(text), 1);
}

TEST(ValueSharing, ArraysReleaseTheirElements) {
  auto* object = new LiveObject();
  {
    Value a = ThreeElements();
    a.MutableArray()->Element(1).SetCountedObject(object);
    object->Release();
    Value copy = a;
    // An array stored into itself holds the old buffer, never itself.
    Value self = a;
    a.MutableArray()->Element(0) = std::move(self);
    EXPECT_EQ(LiveObject::alive, 1);
  }
  EXPECT_EQ(LiveObject::alive, 0);
}

TEST(ValueSharing, ArrayBoundsAndPositions) {
  std::array<ArrayBound, 2> bounds{{{1, 3}, {-1, 2}}};
  ArrayRep* rep = ArrayRep::Make(varByteArray, bounds);
  EXPECT_EQ(rep->Count(), 6);
  EXPECT_EQ(rep->Position(std::array{1, -1}), 0);
  EXPECT_EQ(rep->Position(std::array{2, -1}), 1) << "the first index varies fastest";
  EXPECT_EQ(rep->Position(std::array{3, 0}), 5);
  EXPECT_THROW(rep->Position(std::array{4, 0}), EScriptError);
  EXPECT_THROW(rep->Position(std::array{1, 1}), EScriptError);
  EXPECT_THROW(rep->Position(std::array{1}), EScriptError);
  rep->Release();
  std::array<ArrayBound, 2> huge{{{0, 1 << 20}, {0, 1 << 20}}};
  EXPECT_THROW(ArrayRep::Make(varVariantArray, huge), EScriptError);
  std::array<ArrayBound, 1> negative{{{0, -1}}};
  EXPECT_THROW(ArrayRep::Make(varByteArray, negative), EScriptError);
  std::array<ArrayBound, 1> pastMax{{{INT32_MAX, 2}}};
  EXPECT_THROW(ArrayRep::Make(varByteArray, pastMax), EScriptError);
}
