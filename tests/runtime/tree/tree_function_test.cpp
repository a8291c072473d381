// Functions, classes, argument binding and recursion.
#include "support/tree_fixture.h"
#include "runtime/tree/call.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/var_stack.h"

using namespace runtime;

using TreeFunction = TreeTest;

TEST_F(TreeFunction, RecursiveCallsKeepTheirOwnParametersAndLocals) {
  Func("fact", {"n"}, [&] {
    Var("sub");
    If(Op('<', Name("n"), Const(2)), [&] { Return(Const(1)); });
    Set("sub", Call(Name("fact"), {Op('-', Name("n"), Const(1))}));
    PrintComma(Name("n"));
    Set("result", Op('*', Name("n"), Name("sub")));
  });
  Print(Call(Name("fact"), {Const(6)}));
  EXPECT_EQ(Run(), "2 3 4 5 6 720\n");
}

TEST_F(TreeFunction, ArgumentsBindByNameThenByPosition) {
  Func("ab", {"a", "b"}, [&] {
    PrintComma(Name("a"));
    Print(Name("b"));
  });
  Func("ba", {"b", "a"}, [&] {
    PrintComma(Name("b"));
    Print(Name("a"));
  });
  Do(Call(Name("ab"), {Named("a", Const(1)), Const(2)}));
  Do(Call(Name("ba"), {Named("a", Const(1)), Const(2)}));  // b: position 0 carries the name a
  Do(Call(Name("ab"), {Const(1), Const(2), Const(3)}));    // extra ignored
  Do(Call(Name("ab"), {Named("B", Const(5))}));
  EXPECT_EQ(Run(), "1 2\n 1\n1 2\n 5\n");
}

TEST_F(TreeFunction, VarArgumentsShareTheCallersVariable) {
  Func("bump", {"p"}, [&] { Set("p", Op('+', Name("p"), Const(1))); });
  Var("x");
  Set("x", Const(1));
  Do(Call(Name("bump"), {Name("x")}));
  PrintComma(Name("x"));
  Do(Call(Name("bump"), {Ref("x")}));
  PrintComma(Name("x"));
  // By-reference binding ends with the call: later calls leave x alone.
  Do(Call(Name("bump"), {Const(5)}));
  Do(Call(Name("bump")));
  Print(Name("x"));
  EXPECT_EQ(Run(), "1 2 2\n");
}

TEST_F(TreeFunction, VarBindingOfAnOuterCallSurvivesInnerCalls) {
  // f(var p, depth): sets p, recurses once with a plain value, sets p again.
  Func("f", {"p", "depth"}, [&] {
    Set("p", Op('+', Name("p"), Const(10)));
    If(Op('=', Name("depth"), Const(0)), [&] { Do(Call(Name("f"), {Const(100), Const(1)})); });
    Set("p", Op('+', Name("p"), Const(1)));
  });
  Var("x");
  Set("x", Const(0));
  Do(Call(Name("f"), {Ref("x"), Const(0)}));
  Print(Name("x"));
  EXPECT_EQ(Run(), "11\n");
}

TEST_F(TreeFunction, RecursiveCallsCanPassTheirOwnLocalsByReference) {
  // inc(var c, n): c is the caller's own local at every level.
  Func("count", {"n"}, [&] {
    Var("c");
    Set("c", Const(0));
    If(Op('<', Const(0), Name("n")), [&] {
      Do(Call(Name("bump"), {Ref("c")}));
      Do(Call(Name("count"), {Op('-', Name("n"), Const(1))}));
      Do(Call(Name("bump"), {Ref("c")}));
    });
    PrintComma(Name("c"));
  });
  Func("bump", {"p"}, [&] { Set("p", Op('+', Name("p"), Const(1))); });
  Do(Call(Name("count"), {Const(3)}));
  EXPECT_EQ(Run(), "0 2 2 2 ");
}

TEST_F(TreeFunction, ALocalReadBeforeItIsSetDesignatesTheCallersValue) {
  Func("f", {"n"}, [&] {
    Var("v");
    PrintComma(Name("v"));
    If(Op('<', Name("n"), Const(3)), [&] {
      Set("v", Name("n"));
      Do(Call(Name("f"), {Op('+', Name("n"), Const(1))}));
    });
  });
  Do(Call(Name("f"), {Const(1)}));
  EXPECT_EQ(Run(), " 1 2 ");
}

TEST_F(TreeFunction, ACallThatSetsNoResultYieldsNull) {
  Func("f", {"set"}, [&] { If(Name("set"), [&] { Set("result", Const(7)); }); });
  PrintComma(Call(Name("f"), {Const(1)}));
  PrintComma(Call(Name("f"), {Const(0)}));
  Print(Call(Name("f"), {Const(1)}));
  EXPECT_EQ(Run(), "7  7\n");
}

TEST_F(TreeFunction, AtIsTheResultToo) {
  Func("f", {}, [&] { Set("@", Const("at")); });
  Print(Call(Name("f")));
  EXPECT_EQ(Run(), "at\n");
}

TEST_F(TreeFunction, UnboundedRecursionIsAScriptErrorAndCallsWorkAfterwards) {
  Func("down", {"n"}, [&] { Set("result", Call(Name("down"), {Op('+', Name("n"), Const(1))})); });
  Func("one", {}, [&] { Set("result", Const(1)); });
  Do(Call(Name("down"), {Const(0)}));
  EXPECT_EQ(RunError(), "Stack overflow: call depth limit reached");
  EXPECT_EQ(CCallDepth::Current(), 0);
  CFunction* one = static_cast<CFunction*>(NodeOf(Module()->FindOwn(T("one"))->ValueRef()));
  EXPECT_EQ(Invoke(one, {}).AsInt32Raw(), 1);
}

TEST_F(TreeFunction, ErrorsLeaveTheRecursionLevel) {
  CFunction* f = Func("f", {"n"}, [&] {
    Var("local");
    Set("local", Name("n"));
    If(Op('<', Name("n"), Const(3)), [&] { Do(Call(Name("f"), {Op('+', Name("n"), Const(1))})); },
       [&] { Raise("deep"); });
  });
  EXPECT_THROW(Invoke(f, {1}), EScriptError);
  EXPECT_EQ(f->Levels()->Depth(), 0);
  EXPECT_EQ(CCallDepth::Current(), 0);
}

TEST_F(TreeFunction, HostCallsPassTheirValuesAsArguments) {
  CFunction* f = Func("f", {"a", "b"}, [&] { Set("result", Op('-', Name("a"), Name("b"))); });
  EXPECT_EQ(Invoke(f, {10, 3}).AsInt32Raw(), 7);
}

TEST_F(TreeFunction, ClassBodiesRunBaseFirstWithTheSameThis) {
  CFunction* base = Class("Base", {}, [&] {
    Var("kind");
    Set("kind", Const("base"));
    PrintComma(Op('+', Const("base sees "), Member(Name("this"), "kind")));
  });
  Class("Derived", {"label"}, [&] {
    Var("extra");
    Set("kind", Op('+', Name("kind"), Const("+derived")));
    PrintComma(Op('+', Const("derived sees "), Member(Name("this"), "kind")));
  }, base);
  Var("d");
  Set("d", Call(Name("Derived"), {Const("L")}));
  PrintComma(Member(Name("d"), "kind"));
  Print(Member(Name("d"), "label"));
  EXPECT_EQ(Run(), "base sees base derived sees base+derived base+derived L\n");
  CObjectValue* d = ScriptObjectOf(Module()->FindOwn(T("d"))->ValueRef());
  ASSERT_NE(d, nullptr);
  ASSERT_NE(d->AsClassInstance(), nullptr);
  EXPECT_EQ(d->Count(), 3);  // label, extra, kind: derived first
  EXPECT_EQ(d->Members()->At(0)->Name(), T("label"));
}

TEST_F(TreeFunction, InstancesKeepTheirOwnMembersAndMethodsSeeTheirInstance) {
  Class("Counter", {"start"}, [&] {
    Var("n");
    Set("n", Name("start"));
    Func("inc", {}, [&] {
      Set("n", Op('+', Name("n"), Const(1)));
      Set("result", Name("n"));
    });
  });
  Var("a");
  Var("b");
  Set("a", Call(Name("Counter"), {Const(10)}));
  Set("b", Call(Name("Counter"), {Const(20)}));
  PrintComma(Call(Member(Name("a"), "inc")));
  PrintComma(Call(Member(Name("b"), "inc")));
  PrintComma(Call(Member(Name("a"), "inc")));
  PrintComma(Member(Name("a"), "n"));
  Print(Member(Name("b"), "n"));
  EXPECT_EQ(Run(), "11 21 12 12 21\n");
}

// A linked-list node whose method creates the next node: making another
// instance of the class inside a method must not disturb the running one.
TEST_F(TreeFunction, MethodsThatMakeInstancesOfTheirOwnClassKeepEveryWrite) {
  Class("Node", {"value"}, [&] {
    Var("next");
    Var("size");
    Set("size", Const(1));
    Func("append", {"v"}, [&] {
      If(Name("next"), [&] { Do(Call(Member(Name("next"), "append"), {Name("v")})); },
         [&] { Set("next", Call(Name("Node"), {Name("v")})); });
      Set("size", Op('+', Name("size"), Const(1)));
    });
    Func("show", {}, [&] {
      PrintComma(Name("value"));
      If(Name("next"), [&] { Do(Call(Member(Name("next"), "show"))); });
    });
  });
  Var("list");
  Set("list", Call(Name("Node"), {Const(1)}));
  for (int v : {2, 3, 4}) Do(Call(Member(Name("list"), "append"), {Const(v)}));
  Do(Call(Member(Name("list"), "show")));
  Print(Member(Name("list"), "size"));
  Var("fresh");
  Set("fresh", Call(Name("Node"), {Const(9)}));
  // A new node starts with none of the last one's members.
  PrintComma(Member(Name("fresh"), "next"));
  Print(Member(Name("fresh"), "size"));
  EXPECT_EQ(Run(), "1 2 3 4 4\n 1\n");
}

TEST_F(TreeFunction, AnInstanceMadeInsideAMethodStartsWithNoneOfItsMembers) {
  Class("Item", {"label"}, [&] {
    Var("note");
    Func("spawn", {}, [&] { Set("result", Call(Name("Item"), {Const("child")})); });
  });
  Var("a");
  Var("child");
  Set("a", Call(Name("Item"), {Const("a")}));
  Assign(Member(Name("a"), "note"), Const("mine"));
  Set("child", Call(Member(Name("a"), "spawn")));
  PrintComma(Member(Name("child"), "label"));
  PrintComma(Member(Name("child"), "note"));
  Print(Member(Name("a"), "note"));
  EXPECT_EQ(Run(), "child  mine\n");
}

// The object is held only by a variable that its own method clears; the call
// keeps it alive until the method is done.
TEST_F(TreeFunction, AMethodMayDropTheLastReferenceToItsObject) {
  CFunction* box = Class("Box", {}, [&] {
    Var("label");
    Set("label", Const("box"));
    Func("drop", {}, [&] {
      Set("holder", Null());
      PrintComma(Name("label"));
      PrintComma(Member(Name("this"), "label"));
    });
  });
  CVariable* holder = Var("holder");
  CFunction* direct = Func("direct", {}, [&] { Do(Call(Member(Name("holder"), "drop"))); });
  CFunction* deferred = Func("deferred", {}, [&] {
    Var("later");
    Set("later", Defer(Member(Name("holder"), "drop")));
    Do(Call(Name("later")));
  });
  for (CFunction* caller : {direct, deferred}) {
    holder->OwnValue() = Invoke(box, {});
    Invoke(box, {});  // the class's result moves on to another box
    Invoke(caller, {});
  }
  EXPECT_EQ(Context().Output(), "box box box box ");
}

TEST_F(TreeFunction, ClassMembersAreFoundThroughTheClassScope) {
  Class("Point", {}, [&] {
    Var("x");
    Func("getX", {}, [&] { Set("result", Name("x")); });
  });
  Print(Member(Name("Point"), "getX"));
  Var("p");
  Set("p", Call(Name("Point")));
  Assign(Member(Name("p"), "x"), Const(4));
  Print(Call(Member(Name("p"), "getx")));
  Print(Call(Member(Name("p"), "missing")));
  EXPECT_EQ(Run(), "\n4\n\n");
}

TEST_F(TreeFunction, AClassCannotBeItsOwnBase) {
  CFunction* a = Class("A", {}, {});
  CFunction* b = Class("B", {}, {}, a);
  EXPECT_THROW(a->Init(T("A"), nullptr, true, b), EScriptError);
  EXPECT_EQ(a->BaseFunction(), nullptr);
}
