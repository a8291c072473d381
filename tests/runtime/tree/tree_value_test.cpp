// Values, variables and references: names, members, indexes, objects, calls.
#include "runtime/lib/library_chain.h"
#include "support/fake_interface.h"
#include "support/tree_fixture.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/predicates.h"

using namespace runtime;

using TreeValue = TreeTest;

TEST_F(TreeValue, UnknownNamesRaiseUnlessOptional) {
  Print(Name("a", true));
  Print(Member(Name("a", true), "b", true));
  EXPECT_EQ(Run(), "\n\n");
  Print(Member(Name("a"), "b", true));
  EXPECT_EQ(RunError(), "a not found");
}

TEST_F(TreeValue, FailedLookupIsTriedAgainAndAFoundNameStaysResolved) {
  CNameRef* x = Name("x");
  Print(x);
  EXPECT_EQ(RunError(), "x not found");
  CVariable* first = Var("x");
  first->OwnValue().SetInt(1);
  EXPECT_EQ(Again(), "1\n");
  Var("x")->OwnValue().SetInt(2);  // a later declaration does not move the reference
  EXPECT_EQ(Again(), "1\n");
}

TEST_F(TreeValue, MemberAssignmentAppendsButReadingAMissingMemberAddsNothing) {
  Var("o");
  Set("o", Object({Named("a", Const(1))}));
  Assign(Member(Name("o"), "x"), Const(2));
  Print(Member(Name("o"), "y"));
  Print(Member(Name("o"), "X"));
  Run();
  auto* o = ScriptObjectOf(Module()->FindOwn(T("o"))->ValueRef());
  ASSERT_NE(o, nullptr);
  EXPECT_EQ(o->Count(), 2);
  EXPECT_EQ(Context().Output(), "\n2\n");
}

TEST_F(TreeValue, MembersOfPlainValuesAreNotFound) {
  Print(Member(Const(5), "x", true));
  EXPECT_EQ(Run(), "\n");
  Print(Member(Const(5), "x"));
  EXPECT_EQ(RunError(), ".x not found");
}

TEST_F(TreeValue, IndexesCountFromEitherEndAndTextKeysNameMembers) {
  Var("o");
  Set("o", Object({Const(10), Named("k", Const(20)), Const(30)}));
  struct {
    CValue* key;
    const char* printed;
  } cases[] = {
      {Const(0), "10"}, {Const(-1), "30"}, {Const(-3), "10"}, {Const(3), ""}, {Const(-4), ""}, {Const("k"), "20"},
      {Const("K"), "20"}, {Const("nope"), ""},
  };
  std::string expected;
  for (auto& c : cases) {
    Print(Index(Name("o"), c.key));
    expected += std::string(c.printed) + "\n";
  }
  EXPECT_EQ(Run(), expected);
}

TEST_F(TreeValue, AssigningPastTheEndGrowsTheListWithHolesThatReadAsNull) {
  Var("o");
  Var("copy");
  Set("o", Object({Const(1), Const(2), Const(3)}));
  Assign(Index(Name("o"), Const(5)), Const(6));
  Assign(Index(Name("o"), Const(-10)), Const(7));  // still before the start: appended
  Set("copy", New(Name("o")));
  for (int i = 0; i < 7; ++i) PrintComma(Index(Name("o"), Const(i)));
  Print(Index(Name("copy"), Const(4)));
  EXPECT_EQ(Run(), "1 2 3   6 7 \n");
  auto* o = ScriptObjectOf(Module()->FindOwn(T("o"))->ValueRef());
  auto* copy = ScriptObjectOf(Module()->FindOwn(T("copy"))->ValueRef());
  EXPECT_EQ(o->Count(), 7);
  EXPECT_EQ(copy->Count(), 7);
  for (CObjectValue* object : {o, copy}) {
    EXPECT_EQ(object->Item(3), nullptr);
    EXPECT_EQ(object->Members()->ValueAt(4).Type(), varEmpty);
    EXPECT_NE(object->Item(5), nullptr);
  }
}

TEST_F(TreeValue, AbsurdIndexesRaiseAScriptError) {
  CVariable* key = Var("key");
  Var("o");
  Set("o", Object({}));
  Assign(Index(Name("o"), Name("key")), Const(1));
  for (int64_t index : {int64_t(2000000000), int64_t(CList::kMaxIndex), int64_t(1) << 40}) {
    key->OwnValue().SetInt64(index);
    EXPECT_EQ(RunError(), "List index out of range") << index;
  }
  EXPECT_EQ(ScriptObjectOf(Module()->FindOwn(T("o"))->ValueRef())->Count(), 0);
}

TEST_F(TreeValue, LiteralIsComputedOnceWhileNewCopiesItEveryTime) {
  Func("f", {"fresh"}, [&] {
    Var("o");
    If(Name("fresh"), [&] { Set("o", New(Object({Named("n", Const(1))}))); },
       [&] { Set("o", Object({Named("n", Const(1))})); });
    PrintComma(Member(Name("o"), "n"));
    Assign(Member(Name("o"), "n"), Op('+', Member(Name("o"), "n"), Const(1)));
  });
  for (int i = 0; i < 2; ++i) Do(Call(Name("f"), {Const(0)}));
  for (int i = 0; i < 2; ++i) Do(Call(Name("f"), {Const(1)}));
  EXPECT_EQ(Run(), "1 2 1 1 ");
}

TEST_F(TreeValue, NewCopiesNestedObjectsDeeply) {
  Var("a");
  Var("b");
  Set("a", Object({Named("inner", Object({Named("v", Const(1))})), Named("t", Const("x"))}));
  Set("b", New(Name("a")));
  Assign(Member(Member(Name("b"), "inner"), "v"), Const(2));
  Print(Member(Member(Name("a"), "inner"), "v"));
  Print(Member(Member(Name("b"), "inner"), "v"));
  Print(Member(Name("b"), "t"));
  EXPECT_EQ(Run(), "1\n2\nx\n");
}

TEST_F(TreeValue, CopyingACyclicObjectIsAScriptError) {
  Var("o");
  Set("o", New(Object({})));
  Assign(Member(Name("o"), "self"), Name("o"));
  Set("o", New(Name("o")));
  EXPECT_EQ(RunError(), "Stack overflow: call depth limit reached");
  // The cycle of counted references is broken by hand.
  Assign(Member(Name("o"), "self"), Null());
  Module()->Child(3)->AsStatement()->Execute(Context());
}

TEST_F(TreeValue, ObjectsAreTrueWhenTheyHaveMembersAndFunctionsAlways) {
  CFunction* f = Func("f", {}, {});
  CObjectValue* empty = Object({});
  CObjectValue* one = Object({Const(0)});
  Value v;
  v.SetObject(empty);
  EXPECT_FALSE(ValueToBool(v));
  v.SetObject(one);
  EXPECT_TRUE(ValueToBool(v));
  v.SetObject(f);
  EXPECT_TRUE(ValueToBool(v));
  empty->Release();
  one->Release();
}

TEST_F(TreeValue, DeferredCallKeepsItsArgumentsAndTakesMoreAfterThem) {
  Func("show", {"a", "b", "c"}, [&] {
    PrintComma(Name("a"));
    PrintComma(Name("b"));
    Print(Name("c"));
  });
  Var("x");
  Var("later");
  Set("x", Const(1));
  Set("later", Defer(Name("show"), {Name("x"), Op('+', Name("x"), Const(10))}));
  Set("x", Const(2));
  Do(Call(Name("later"), {Const(3)}));
  EXPECT_EQ(Run(), "2 11 3\n");
}

TEST_F(TreeValue, CallingANameThatHoldsNoFunctionYieldsNull) {
  Var("n");
  Set("n", Const(5));
  Print(Call(Name("n")));
  EXPECT_EQ(Run(), "\n");
}

TEST_F(TreeValue, MembersOfAFunctionAreNamesInItsScope) {
  CFunction* f = Func("f", {"p"}, [&] { Var("local"); });
  Assign(Member(Name("f"), "local"), Const(1));
  Assign(Member(Name("f"), "fresh"), Const(2));
  Print(Member(Name("f"), "local"));
  Print(Member(Name("f"), "FRESH"));
  EXPECT_EQ(Run(), "1\n2\n");
  EXPECT_NE(f->Body()->FindOwn(T("fresh")), nullptr);
}

// A stand-in for the COM library: knows one property and records call kinds.
struct FakeComLibrary : CLibrary {
  FakeComLibrary() {
    AddHandler(T("Prop"), [](CContext&, CNode*, CValueList*, Value& result) { result.SetInt(7); });
  }
  bool Accepts(CNode* receiver) override { return IsDispatchValue(receiver->AsValue()->ValueRef()); }
  bool Call(CContext& context, CNode* receiver, CallKind kind, Value& result, CValueList* args,
            TextView name) override {
    kinds.push_back(int(kind));
    if (kind == CallKind::kWrite) written = result.AsInt32Raw();
    return CLibrary::Call(context, receiver, kind, result, args, name);
  }
  static inline std::vector<int> kinds;
  static inline int32_t written = 0;
};

// COM objects are reached through the library chain: reads with call kind 2,
// writes with kind 4, through the process-wide current context.
TEST_F(TreeValue, MembersOfComObjectsGoThroughTheCurrentContext) {
  RegisterLibrary(LibrarySlot::kCom, []() -> CLibrary* { return new FakeComLibrary(); });
  auto* runner = new RecordingContext();
  RegisterLibrary(LibrarySlot::kCom, nullptr);
  SetCurrentContext(runner);
  CFakeInterface object;
  CVariable* d = Var("d");
  d->OwnValue().AdoptInterface(&object);
  Print(Member(Name("d"), "prop"));
  Assign(Member(Name("d"), "prop"), Const(9));
  Print(Member(Name("d"), "other", true));
  Print(Member(Name("d"), "other"));
  EXPECT_EQ(RunError(), ".other not found");
  EXPECT_EQ(Context().Output(), "7\n\n");
  EXPECT_EQ(FakeComLibrary::kinds, (std::vector<int>{2, 4, 2, 2}));
  EXPECT_EQ(FakeComLibrary::written, 9);
  SetCurrentContext(&Context());
  runner->Release();
  d->OwnValue().Clear();
}

TEST_F(TreeValue, ArgumentsAreFoundByNameElseByAnUnnamedOrSameNamedPosition) {
  auto* list = new CValueList();
  list->Add(Const(1));
  list->Add(Named("b", Const(2)));
  list->Add(Named("B", Const(3)));  // same name: takes the earlier one's place
  EXPECT_EQ(CValueList::ArgCount(list), 2);
  EXPECT_EQ(CValueList::ArgCount(nullptr), 0);
  EXPECT_EQ(CValueList::GetInt(list, T("b"), -1, 0), 3);
  EXPECT_EQ(CValueList::GetInt(list, T("a"), -1, 0), 1);
  EXPECT_EQ(CValueList::GetInt(list, T("c"), -1, 1), -1);  // position 1 carries another name
  EXPECT_EQ(CValueList::GetInt(list, T("c"), -1, 5), -1);
  EXPECT_EQ(CValueList::GetText(nullptr, T("a"), T("dflt"), 0), T("dflt"));
  EXPECT_TRUE(CValueList::GetBool(list, T("b"), false, -1));
  list->Release();
}

// Names of appended members are indexed late, but as they were when appended:
// lookups, an overwritten position and a later Add see what eager indexing gives.
TEST_F(TreeValue, AppendedNamesAreFoundAsIfIndexedAtOnce) {
  auto* list = new CValueList();
  list->AppendNew(Named("a", Const(1)));
  list->AppendNew(Const(2));
  list->AppendNew(Named("b", Const(3)));
  EXPECT_TRUE(list->HasNames());
  EXPECT_EQ(CValueList::GetInt(list, T("A"), -1, -1), 1);
  EXPECT_EQ(list->IndexOfName(T("b")), 2);

  list->AppendNew(Named("c", Const(4)));
  list->PutAt(3, Named("d", Const(5)));  // the position keeps the name it had
  EXPECT_EQ(CValueList::GetInt(list, T("c"), -1, -1), 5);
  EXPECT_EQ(CValueList::GetInt(list, T("d"), -1, -1), -1);

  list->AppendNew(Named("e", Const(6)));
  list->Add(Named("E", Const(7)));  // same name: takes its place
  EXPECT_EQ(list->Count(), 5);
  EXPECT_EQ(CValueList::GetInt(list, T("e"), -1, -1), 7);

  auto* unnamed = new CValueList();
  unnamed->AppendNew(Const(1));
  EXPECT_FALSE(unnamed->HasNames());
  unnamed->Release();
  list->Release();
}
