// Blocks, modules, simple statements and jumps.
#include "support/tree_fixture.h"
#include "runtime/tree/statements.h"
#include "runtime/value/text_access.h"

using namespace runtime;

namespace {

// Appends a print of "added" to its own block each time it runs.
class CAppendPrint : public CSimpleStatement {
public:
  using CSimpleStatement::CSimpleStatement;
  void Execute(CContext&) override {
    Value text;
    text.SetText(TextFromAscii("added"));
    Owner()->AddChild(new CPrintStmt(Owner(), new CValue(nullptr, text), QT("\n")));
  }
};

}  // namespace

using TreeBlock = TreeTest;

TEST_F(TreeBlock, StatementsRunInOrderUnderBeforeStatement) {
  Print(Const(1));
  Var("x");
  Set("x", Const("two"));
  Print(Name("x"));
  EXPECT_EQ(Run(), "1\ntwo\n");
  EXPECT_EQ(Context().statements, 3);
  EXPECT_EQ(Context().CurrentNode(), Module()->Child(2));
}

// A context that leaves the hook alone is not called per statement, yet the
// running statement is known to it (error locations read it), also after a
// loop's pass.
TEST_F(TreeBlock, ContextWithoutTheHookStillKnowsTheRunningStatement) {
  Var("n");
  Set("n", Const(0));
  While(Op('<', Name("n"), Const(2)), [&] { Set("n", Op('+', Name("n"), Const(1))); });
  Print(Name("n"));
  auto* plain = new CContext();
  Module()->Call(*plain, nullptr);
  EXPECT_EQ(plain->CurrentNode(), Module()->Child(Module()->ChildCount() - 1));
  EXPECT_EQ(Context().statements, 0);
  plain->Release();
}

TEST_F(TreeBlock, PrintCommaFormAppendsOneBlankAndNoLineEnd) {
  PrintComma(Const("a"));
  PrintComma(Const(2));
  Print(Const("b"));
  EXPECT_EQ(Run(), "a 2 b\n");
}

TEST_F(TreeBlock, StatementsAddedWhileRunningWaitForTheNextRun) {
  Add(new CAppendPrint(Scope()));
  EXPECT_EQ(Again(), "");
  EXPECT_EQ(Again(), "added\n");
}

TEST_F(TreeBlock, ReturnInNestedIfsInsideALoopStopsAllOfThem) {
  Func("f", {}, [&] {
    Var("i");
    Set("i", Const(0));
    While(Const(1), [&] {
      Set("i", Op('+', Name("i"), Const(1)));
      If(Op('<', Const(2), Name("i")), [&] {
        If(Const(1), [&] { Return(Op('*', Name("i"), Const(10))); });
        Print(Const("not after return"));
      });
      Print(Name("i"));
    });
    Print(Const("not after the loop"));
  });
  Print(Call(Name("f")));
  Print(Const("end"));
  EXPECT_EQ(Run(), "1\n2\n30\nend\n");
}

TEST_F(TreeBlock, JumpBreaksTheBlocksUpToItsTargetOnly) {
  Var("n");
  Set("n", Const(0));
  While(Op('<', Name("n"), Const(3)), [&] {
    CBlock* body = Scope();
    Set("n", Op('+', Name("n"), Const(1)));
    // "next" when n = 2: ends this pass of the loop body, not the loop.
    If(Op('=', Name("n"), Const(2)), [&] { Jump(body); });
    Print(Name("n"));
  });
  Print(Const("after"));
  EXPECT_EQ(Run(), "1\n3\nafter\n");
}

// A return under way stops every block up to the function body; if an
// error then leaves those blocks, the jump must not survive into the
// function's next call.
TEST_F(TreeBlock, ErrorAfterAReturnDoesNotStopTheNextRunEarly) {
  CFunction* f = Func("f", {"n"}, [&] {
    TryFinally([&] { If(Op('=', Name("n"), Const(1)), [&] { Return(Const(0)); }); },
               [&] { If(Op('=', Name("n"), Const(1)), [&] { Raise("boom"); }); });
    Print(Const("a"));
    Print(Const("b"));
  });
  EXPECT_THROW(Invoke(f, {1}), EScriptError);
  EXPECT_EQ(Context().JumpTarget(), nullptr);
  Invoke(f, {2});
  EXPECT_EQ(Context().Output(), "a\nb\n");
}

TEST_F(TreeBlock, ModuleRunsOncePerLoadButCallRunsItEveryTime) {
  CModule* shared = NewModule("shared.qel");
  In(shared, [&] { Print(Const("shared")); });
  CModule* a = NewModule("a.qel");
  CModule* b = NewModule("b.qel");
  In(a, [&] { Use(shared); });
  In(b, [&] { Use(shared); });
  Use(a);
  Use(b);
  EXPECT_EQ(Run(), "shared\n");
  EXPECT_TRUE(shared->Ran());
  shared->Call(Context(), nullptr);
  EXPECT_EQ(Context().Output(), "shared\nshared\n");
}

TEST_F(TreeBlock, OwnNamesHideUsedModulesAndTheLastUsedModuleWins) {
  CModule* first = NewModule("first.qel");
  CModule* second = NewModule("second.qel");
  In(first, [&] {
    Var("x");
    Var("y");
    Set("x", Const("first x"));
    Set("y", Const("first y"));
  });
  In(second, [&] {
    Var("y");
    Set("y", Const("second y"));
  });
  Use(first);
  Use(second);
  Var("x");
  Set("x", Const("own x"));
  Print(Name("x"));
  Print(Name("y"));
  EXPECT_EQ(Run(), "own x\nsecond y\n");
}

TEST_F(TreeBlock, ModulesUsingEachOtherReportUnknownNamesWithoutEndlessSearch) {
  CModule* a = NewModule("a.qel");
  CModule* b = NewModule("b.qel");
  In(a, [&] { Use(b); });
  In(b, [&] {
    Use(a);
    Var("known");
  });
  In(a, [&] { Print(Name("missing")); });
  EXPECT_NE(a->Lookup(T("known")), nullptr);
  EXPECT_EQ(b->Lookup(T("nothing")), nullptr);
  Use(a);
  EXPECT_EQ(RunError(), "missing not found");
}

TEST_F(TreeBlock, NamedModuleIsAValueWhoseMembersAreItsOwnNames) {
  CModule* lib = NewModule("lib.qel");
  In(lib, [&] {
    Var("answer");
    Set("answer", Const(42));
  });
  Use(lib, "lib");
  Print(Member(Name("lib"), "answer"));
  Print(Member(Name("lib"), "Answer"));
  EXPECT_EQ(Run(), "42\n42\n");
}

TEST_F(TreeBlock, FindLoadedWalksTheCircleIgnoringCase) {
  Module()->SetFileName(T("C:/app/Main.qel"));
  CModule* lib = NewModule("C:/app/lib/Util.qel");
  EXPECT_EQ(Module()->FindLoaded(T("c:/APP/LIB/util.QEL")), lib);
  EXPECT_EQ(lib->FindLoaded(T("C:/app/main.qel")), Module());
  EXPECT_EQ(lib->FindLoaded(T("C:/app/other.qel")), nullptr);
  auto* gone = new CModule(nullptr);
  gone->SetFileName(T("gone.qel"));
  gone->LinkTo(lib);
  gone->Release();  // leaves the circle
  EXPECT_EQ(Module()->FindLoaded(T("gone.qel")), nullptr);
  EXPECT_EQ(Module()->Next()->Next(), Module());
}

TEST_F(TreeBlock, RedeclaredNameKeepsTheOldVariableForResolvedReferences) {
  CVariable* first = Var("x");
  Set("x", Const(1));
  Print(Name("x"));
  EXPECT_EQ(Run(), "1\n");
  Var("x");
  EXPECT_NE(Module()->FindOwn(T("x")), first);
  EXPECT_EQ(Again(), "1\n");
}
