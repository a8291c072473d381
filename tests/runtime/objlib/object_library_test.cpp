// The object library in the runner's chain: "@count", "@length", "@each",
// "@add", "@clone" and "@toJson" called as methods of script objects.
#include "runtime/lib/library_chain.h"
#include "runtime/startup/runtime_init.h"
#include "runtime/objlib/object_library.h"
#include "support/tree_fixture.h"
#include "runtime/tree/value_node.h"

using namespace runtime;

namespace {

// Registered before the fixture's runner builds its chain.
struct RuntimeLibraries {
  RuntimeLibraries() { InitRuntimeLibraries(); }
};

}  // namespace

class ObjectMethods : protected RuntimeLibraries, public TreeTest {
protected:
  CCall* Method(const char* object, const char* name, std::initializer_list<CValue*> args = {}) {
    return Call(Member(Name(object), name), args);
  }
  CObjectValue* ObjectIn(const char* variable) {
    return ScriptObjectOf(Module()->FindOwn(T(variable))->ValueRef());
  }
};

TEST_F(ObjectMethods, TheLibraryIsRegisteredAndAcceptsOnlyScriptObjects) {
  CLibrary* library = RegisteredLibrary(LibrarySlot::kObject)();
  EXPECT_NE(dynamic_cast<CObjectLibrary*>(library), nullptr);
  CValue* literal = Object({});
  CValue* record = new CRecordInstance(nullptr);
  CValue* text = Const("[1]");
  EXPECT_TRUE(library->Accepts(literal));
  EXPECT_TRUE(library->Accepts(record));
  EXPECT_FALSE(library->Accepts(text));
  for (CBase* object : {static_cast<CBase*>(library), static_cast<CBase*>(literal), static_cast<CBase*>(record),
                        static_cast<CBase*>(text)})
    object->Release();
}

TEST_F(ObjectMethods, CountAndLengthGiveTheNumberOfMembers) {
  Var("o");
  Set("o", Object({Const(1), Named("k", Const(2)), Const(3)}));
  Print(Method("o", "@count"));
  Print(Method("o", "@LENGTH"));
  Print(Call(Member(Object({}), "@count")));
  EXPECT_EQ(Run(), "3\n3\n0\n");
}

TEST_F(ObjectMethods, EachCallsBackWithCopiesOfValueAndName) {
  Func("show", {"v", "n"}, [&] {
    PrintComma(Name("n"));
    PrintComma(Name("v"));
    Set("v", Const(0));
  });
  Var("o");
  Set("o", Object({Const(1), Named("k", Const("two"))}));
  Do(Method("o", "@each", {Name("show")}));
  Print(Const("|"));
  Do(Method("o", "@each", {Name("show"), Const(1)}));
  Print(Const("|"));
  Do(Method("o", "@each", {Name("show"), Named("reverse", Const(0))}));
  Print(Method("o", "@toJson"));
  EXPECT_EQ(Run(), " 1 k two |\nk two  1 |\n 1 k two [1,k:\"two\"]\n");
}

TEST_F(ObjectMethods, EachWithoutACallableOrMembersCallsNothingAndGivesTheObject) {
  Func("show", {"v"}, [&] { Print(Const("called")); });
  Var("o");
  Var("e");
  Var("r1");
  Var("r2");
  Set("o", Object({Const(1)}));
  Set("e", Object({}));
  Set("r1", Method("o", "@each", {Const(5)}));
  Set("r2", Method("e", "@each", {Name("show")}));
  EXPECT_EQ(Run(), "");
  EXPECT_EQ(ObjectIn("r1"), ObjectIn("o"));
  EXPECT_EQ(ObjectIn("r2"), ObjectIn("e"));
}

TEST_F(ObjectMethods, EachSurvivesACallbackThatDropsTheObject) {
  Var("o");
  Var("r");
  Func("drop", {"v"}, [&] {
    PrintComma(Name("v"));
    Set("o", Const(0));
  });
  Set("o", New(Object({Const(1), Const(2)})));
  Set("r", Method("o", "@each", {Name("drop")}));
  Print(Call(Member(Name("r"), "@count")));
  EXPECT_EQ(Run(), "1 2 2\n");
}

TEST_F(ObjectMethods, AddOverwritesMembersOfTheSameNameInPlaceAndAppendsTheRest) {
  Var("o");
  Set("o", Object({Named("a", Const(1)), Named("b", Const(2))}));
  Do(Method("o", "@add", {Named("B", Const(20)), Const(3), Named("c", Const(4))}));
  Print(Method("o", "@toJson"));
  Print(Call(Member(Method("o", "@add", {Const(5)}), "@count")));
  EXPECT_EQ(Run(), "[a:1,b:20,3,c:4]\n5\n");
}

TEST_F(ObjectMethods, CloneCopiesDeeply) {
  Var("o");
  Var("c");
  Set("o", Object({Named("inner", Object({Const(1)}))}));
  Set("c", Method("o", "@clone"));
  Assign(Index(Member(Name("c"), "inner"), Const(0)), Const(9));
  Print(Method("o", "@toJson"));
  Print(Method("c", "@toJson"));
  EXPECT_EQ(Run(), "[inner:[1]]\n[inner:[9]]\n");
  EXPECT_EQ(Module()->FindOwn(T("c"))->ValueRef().Type(), varCountedObject);
  EXPECT_NE(ObjectIn("c"), ObjectIn("o"));
}

TEST_F(ObjectMethods, ToJsonReadsItsOptionsByNameOrPosition) {
  Var("o");
  Set("o", Object({Named("x", Const(1)), Const("t")}));
  Print(Method("o", "@toJson", {Const(1)}));
  Print(Method("o", "@toJson", {Const(0), Const(1)}));
  Print(Method("o", "@toJson", {Named("JSON", Const(1))}));
  Print(Method("o", "@toJson", {Named("json", Const(1)), Named("format", Const(-1))}));
  Print(Method("o", "@toJson", {Named("isGbk", Const(1))}));
  EXPECT_EQ(Run(), "[\r\n x: 1,\r\n \"t\"\r\n]\n{\"x\":1,\"1\":\"t\"}\n{\"x\":1,\"1\":\"t\"}\n1t\n[x:1,\"t\"]\n");
}
