// Built-ins that touch a text's own bytes ("fromByte", "toNum" with a
// pointer mode, the memory form of "move"): a write never reaches another
// value sharing the text, and nothing outside the text is read or written.
#include "runtime/builtin/text_storage.h"
#include "builtin_call.h"
#include "support/live_object.h"

using namespace runtime;

namespace {

// A variable outside any tree, as a receiver that designates a value.
class HeldVariable {
public:
  explicit HeldVariable(const Value& value) : node_(NewVariable(value)) {}
  ~HeldVariable() { node_->Release(); }
  CValue* Node() const { return node_; }
  const Value& Held() const { return node_->ValueRef(); }

private:
  CValue* node_;
};

Value AddressValue(const void* address) {
  Value v;
  SetAddress(v, address);
  return v;
}

Value AddressIn(const Value& text, size_t units) { return AddressValue(TextBytes(text).data() + units * sizeof(Char)); }

const void* CharactersOf(const Value& text) { return TextBytes(text).data(); }

}  // namespace

TEST(BuiltinStorage, FromByteChangesTheVariableAndNoValueSharingItsText) {
  const Value shared = Txt("abc");
  HeldVariable s(shared);
  CallBuiltinOn(s.Node(), "fromByte", {Int(0), Int('A')});
  CallBuiltinOn(s.Node(), "fromByte", {{"byte", Int(0x142)}, {"pos", Int(sizeof(Char))}});
  EXPECT_TRUE(SameValue(s.Held(), Txt("ABc")));
  EXPECT_TRUE(SameValue(shared, Txt("abc")));
  EXPECT_NE(CharactersOf(s.Held()), CharactersOf(shared));
}

TEST(BuiltinStorage, FromByteRefusesPositionsOutsideTheText) {
  const Value shared = Txt("ab");
  HeldVariable s(shared);
  const std::string bytes = std::to_string(2 * sizeof(Char));
  EXPECT_EQ(BuiltinErrorOn(s.Node(), "fromByte", {Int(int32_t(2 * sizeof(Char))), Int(65)}),
            "fromByte: position " + bytes + " is outside the text's " + bytes + " bytes");
  EXPECT_EQ(BuiltinErrorOn(s.Node(), "fromByte", {Int(-1), Int(65)}),
            "fromByte: position -1 is outside the text's " + bytes + " bytes");
  HeldVariable empty(Txt(""));
  EXPECT_EQ(BuiltinErrorOn(empty.Node(), "fromByte"), "fromByte: position 0 is outside the text's 0 bytes");
  EXPECT_EQ(CharactersOf(s.Held()), CharactersOf(shared)) << "a refused write copies nothing";
}

TEST(BuiltinStorage, FromByteWritesOnlyIntoTextsThatVariablesHold) {
  EXPECT_EQ(BuiltinError("fromByte", Txt("abc"), {Int(0), Int(65)}), "fromByte: a constant text cannot be changed");
  HeldVariable number(Int(5));
  EXPECT_EQ(BuiltinErrorOn(number.Node(), "fromByte"), "fromByte needs a text, not Int32");
}

TEST(BuiltinStorage, PointerModesReadOnlyTheTextsOwnBytes) {
  for (int32_t mode : {1, 2, 3}) {
    const size_t needs = mode == 3 ? 8 : 4;
    const Value shortText = Ansi(std::string(needs - 1, 'x'), 1252);
    EXPECT_NE(BuiltinError("toNum", shortText, {{"ptr", Int(mode)}}), "no error") << mode;
    EXPECT_EQ(BuiltinError("toNum", Ansi(std::string(needs, 'x'), 1252), {{"ptr", Int(mode)}}), "no error") << mode;
  }
}

TEST(BuiltinStorage, AddressesTravelAtFullWidth) {
  const Value text = Txt("abc");
  const Value address = CallBuiltin("toNum", text, {{"ptr", Int(-1)}});
  EXPECT_EQ(address.Type(), sizeof(void*) == 8 ? varInt64 : varInteger);
  EXPECT_EQ(AddressFromValue(address), reinterpret_cast<uintptr_t>(CharactersOf(text)));
  LiveObject object;
  EXPECT_EQ(AddressFromValue(CallBuiltin("toNum", Obj(&object), {Int(-1)})), reinterpret_cast<uintptr_t>(&object));
  if constexpr (sizeof(void*) == 8) {
    const auto high = reinterpret_cast<const void*>(uintptr_t(0x123456789ABC));
    EXPECT_EQ(AddressFromValue(AddressValue(high)), uintptr_t(0x123456789ABC));
  } else {
    EXPECT_EQ(AddressFromValue(Int(-1)), uintptr_t(0xFFFFFFFF));
    EXPECT_THROW(AddressFromValue(Int64(0x100000000)), EScriptError);
  }
}

TEST(BuiltinStorage, MoveCopiesWithinTheReceiversTextAndNoOtherValue) {
  const Value shared = Txt("abcdef");
  HeldVariable s(shared);
  CallBuiltinOn(s.Node(), "move", {AddressIn(shared, 2), Int(2)});
  EXPECT_TRUE(SameValue(s.Held(), Txt("ababef")));
  EXPECT_TRUE(SameValue(shared, Txt("abcdef")));
  CallBuiltinOn(s.Node(), "move", {{"len", Int(1)}, {"dest", AddressIn(s.Held(), 5)}});
  EXPECT_TRUE(SameValue(s.Held(), Txt("ababea")));
  CallBuiltinOn(s.Node(), "move", {AddressIn(s.Held(), 0)});
  EXPECT_TRUE(SameValue(s.Held(), Txt("ababea"))) << "len 0 copies the whole text onto itself";
}

TEST(BuiltinStorage, MoveRefusesEveryByteOutsideTheText) {
  const Value shared = Txt("abcdef");
  HeldVariable s(shared);
  const Value other = Txt("zzzzzz");
  const auto start = reinterpret_cast<uintptr_t>(CharactersOf(shared));
  const struct {
    BuiltinArgs args;
    const char* error;
  } cases[] = {
      {{AddressIn(shared, 5), Int(2)}, "move: dest lies outside the text"},
      {{AddressIn(shared, 1)}, "move: dest lies outside the text"},
      {{AddressValue(reinterpret_cast<const void*>(start - 1)), Int(1)}, "move: dest lies outside the text"},
      {{AddressIn(other, 0), Int(1)}, "move: dest lies outside the text"},
      {{AddressIn(shared, 0), Int(7)}, "move: len 7 runs past the end of the text"},
      {{AddressIn(shared, 0), Int(-1)}, "move: len -1 is negative"},
  };
  for (const auto& c : cases) EXPECT_EQ(BuiltinErrorOn(s.Node(), "move", c.args), c.error);
  EXPECT_TRUE(SameValue(s.Held(), Txt("abcdef")));
  EXPECT_EQ(CharactersOf(s.Held()), CharactersOf(shared));
  HeldVariable pointer(AddressIn(shared, 0));
  EXPECT_EQ(BuiltinErrorOn(pointer.Node(), "move", {AddressIn(shared, 2), Int(1)}),
            "move: only a text's own bytes can be copied");
  EXPECT_EQ(BuiltinError("move", shared, {AddressIn(shared, 2), Int(1)}), "move: a constant text cannot be changed");
}
