// loop, while, for, for each, next and exit.
#include <optional>
#include <vector>

#include "support/fake_interface.h"
#include "support/tree_fixture.h"
#include "runtime/tree/loops.h"
#include "runtime/tree/value_node.h"

using namespace runtime;

namespace {

// A COM collection's enumerator: hands out 10, 20, 30.
class CFakeEnumerator : public CElementEnumerator {
public:
  bool Next(Value& element) override {
    if (next_ > 30) return false;
    element.SetInt(next_);
    next_ += 10;
    return true;
  }

private:
  int32_t next_ = 10;
};

CElementEnumerator* NewFakeEnumerator(const Value&) { return new CFakeEnumerator(); }


// An element that counts the living instances of its kind.
class CCountedElement : public CValue {
public:
  CCountedElement(CNode* owner, const Value& value) : CValue(owner, value) { ++alive; }
  ~CCountedElement() override { --alive; }
  static inline int alive = 0;
};

class CPrintElementCount : public CSimpleStatement {
public:
  using CSimpleStatement::CSimpleStatement;
  void Execute(CContext& context) override {
    const Char digit = Char('0' + CCountedElement::alive);
    context.Print(Text{digit, Char(' ')});
  }
};

}  // namespace

using TreeLoop = TreeTest;

TEST_F(TreeLoop, WhileRunsUntilItsConditionFailsAndExitLeavesIt) {
  Var("n");
  Set("n", Const(0));
  While(Op('<', Name("n"), Const(3)), [&] {
    Set("n", Op('+', Name("n"), Const(1)));
    PrintComma(Name("n"));
  });
  While(nullptr, [&] {
    Set("n", Op('+', Name("n"), Const(1)));
    If(Op('=', Name("n"), Const(6)), [&] { Exit(); });
    PrintComma(Name("n"));
  });
  Print(Const("after"));
  EXPECT_EQ(Run(), "1 2 3 4 5 after\n");
}

TEST_F(TreeLoop, ForCountsFromStartToLimitByStep) {
  const struct {
    int32_t start, limit;
    std::optional<int32_t> step;
    const char* output;
  } rows[] = {
      {1, 3, {}, "1 2 3 "},
      {3, 1, -1, "3 2 1 "},
      {1, 3, -1, ""},
      {1, 3, 0, ""},
      {1, 10, 4, "1 5 9 "},
      {2147483640, 2147483647, {},
       "2147483640 2147483641 2147483642 2147483643 2147483644 2147483645 2147483646 2147483647 "},
      {-2147483641, INT32_MIN, -1,
       "-2147483641 -2147483642 -2147483643 -2147483644 -2147483645 -2147483646 -2147483647 -2147483648 "},
      {0, 2147483647, 2147483647, "0 2147483647 "},
      {2147483647, INT32_MIN, INT32_MIN, "2147483647 -1 "},
  };
  for (const auto& row : rows) {
    ProgramBuilder script;
    script.Var("passes");
    script.Set("passes", script.Const(0));
    CValue* step = row.step ? script.Const(*row.step) : nullptr;
    script.For("i", script.Const(row.start), script.Const(row.limit), step, [&] {
      // A counter that wraps would loop forever: give up after 20 passes.
      script.Set("passes", script.Op('+', script.Name("passes"), script.Const(1)));
      script.Exit(script.Op('<', script.Const(20), script.Name("passes")));
      script.PrintComma(script.Name("i"));
    });
    Context().output.clear();
    script.Module()->Execute(Context());
    EXPECT_EQ(Context().Output(), row.output) << row.start << " to " << row.limit;
  }
}

// Limit and step are computed once; the counter is the loop's own.
TEST_F(TreeLoop, ForComputesLimitAndStepOnceAndTellsTheContextAfterEachPass) {
  Var("m");
  Set("m", Const(3));
  CForNode* loop = For("i", Const("1"), Name("m"), Const(1.0), [&] {
    Set("m", Const(1));
    Set("i", Op('+', Name("i"), Const(10)));
    PrintComma(Name("i"));
  });
  EXPECT_EQ(Run(), "11 12 13 ");
  EXPECT_EQ(Context().statements, 2 + 3 * (3 + 1));  // each pass: its three statements, then the loop
  EXPECT_EQ(Context().CurrentNode(), loop);
}

// The counter and the locals a pass sets belong to the call that sets them,
// however deep the recursion inside the pass goes.
TEST_F(TreeLoop, CounterAndAssignedLocalsKeepEachCallsValues) {
  Func("walk", {"n"}, [&] {
    Var("m");
    For("i", Const(1), Const(2), [&] {
      Set("m", Op('+', Op('*', Name("n"), Const(10)), Name("i")));
      If(Op('>', Name("n"), Const(0)), [&] { Do(Call(Name("walk"), {Op('-', Name("n"), Const(1))})); });
      PrintComma(Op('&', Name("m"), Name("i")));
    });
  });
  Do(Call(Name("walk"), {Const(2)}));
  EXPECT_EQ(Run(), "11 22 111 11 22 122 211 11 22 111 11 22 122 222 ");
}

TEST_F(TreeLoop, NextEndsThePassExitEndsTheLoop) {
  For("i", Const(1), Const(5), [&] {
    Next(Op('=', Name("i"), Const(2)));
    If(Op('=', Name("i"), Const(4)), [&] { Exit(); });
    PrintComma(Name("i"));
  });
  For("j", Const(1), Const(2), [&] {
    Next(Const(0));
    Exit(Const(0));
    PrintComma(Name("j"));
  });
  EXPECT_EQ(Run(), "1 3 1 2 ");
}

TEST_F(TreeLoop, LoopJumpsOutsideALoopLeaveTheFunction) {
  Func("f", {}, [&] {
    Print(Const("a"));
    Exit();
    Print(Const("b"));
  });
  Do(Call(Name("f")));
  Print(Const("c"));
  EXPECT_EQ(Run(), "a\nc\n");
}

TEST_F(TreeLoop, ForEachWalksPositionsWithValueIndexAndKey) {
  Var("o");
  Set("o", Object({Named("a", Const(1)), Const("two"), Named("c", Const(3.5))}));
  ForEach("v", Name("o"), [&] { PrintComma(Op('&', Op('&', Name("i"), Name("k")), Name("v"))); }, "i", "k");
  ForEach("v", Object({Const(7), Const(8)}), [&] { PrintComma(Name("v")); });
  ForEach("v", Const(5), [&] { PrintComma(Const("plain")); });
  ForEach("v", Const("abc"), [&] { PrintComma(Const("text")); });
  EXPECT_EQ(Run(), "0a1 1two 2c3.5 7 8 ");
}

// Positions skipped when a list grows read as null, not as the last value.
TEST_F(TreeLoop, ForEachReadsHolesAsNull) {
  Var("o");
  Set("o", New(Object({Const(1), Const(2)})));
  Assign(Index(Name("o"), Const(4)), Const(9));
  ForEach("v", Name("o"), [&] { PrintComma(Op('&', Op('&', Name("i"), Op('&', Name("k"), Const(":"))), Name("v"))); },
          "i", "k");
  EXPECT_EQ(Run(), "0:1 1:2 2: 3: 4:9 ");
}

// The body drops the only reference to the collection; its elements report
// how many of them are still alive.
TEST_F(TreeLoop, ForEachKeepsItsCollectionAlive) {
  auto* list = new CObjectInstance(nullptr);
  for (int32_t i = 1; i <= 3; ++i) {
    Value v;
    v.SetInt(i);
    list->Members()->Add(new CCountedElement(list, v));
  }
  Var("c")->SetCountedObject(list);
  list->Release();
  ForEach("v", Name("c"), [&] {
    Set("c", Null());
    PrintComma(Name("v"));
    Add(new CPrintElementCount(Scope()));
  });
  Add(new CPrintElementCount(Scope()));
  EXPECT_EQ(Run(), "1 3 2 3 3 3 0 ");
}

TEST_F(TreeLoop, ForEachOverACOMObjectUsesItsEnumerator) {
  CFakeInterface collection;
  CVariable* d = Var("d");
  d->OwnValue().AdoptInterface(&collection);
  ForEach("v", Name("d"), [&] {
    Next(Op('=', Name("v"), Const(20)));
    PrintComma(Op('&', Name("i"), Name("v")));
  }, "i");
  EXPECT_EQ(RunError(), "for each over a COM object needs the COM bridge, which this build lacks");
  RegisterDispatchEnumerator(&NewFakeEnumerator);
  EXPECT_EQ(RunError(), "no error");
  RegisterDispatchEnumerator(nullptr);
  EXPECT_EQ(Context().Output(), "10 30 ");
  d->OwnValue().Clear();
#ifdef _WIN32
  EXPECT_EQ(collection.refs, 0) << "every copy gave its reference back";
#endif
}

// A return sets the stop flag of the loop it leaves; when a finally block
// then raises, the flag must not end the loop's next run after one pass.
TEST_F(TreeLoop, AnErrorAfterAReturnDoesNotStopTheLoopsNextRun) {
  auto returnThenRaise = [&] {
    TryFinally([&] { If(Op('=', Name("n"), Const(1)), [&] { Return(); }); },
               [&] { If(Op('=', Name("n"), Const(1)), [&] { Raise("boom"); }); });
    PrintComma(Const("pass"));
  };
  std::vector<CFunction*> functions = {
      Func("whileLoop", {"n"}, [&] {
        Var("k");
        Set("k", Const(0));
        While(Op('<', Name("k"), Const(2)), [&] {
          Set("k", Op('+', Name("k"), Const(1)));
          returnThenRaise();
        });
      }),
      Func("forLoop", {"n"}, [&] { For("i", Const(1), Const(2), returnThenRaise); }),
      Func("forEachLoop", {"n"}, [&] { ForEach("v", Object({Const(1), Const(2)}), returnThenRaise); }),
  };
  for (CFunction* f : functions) {
    SCOPED_TRACE(std::string(f->Name().begin(), f->Name().end()));
    Context().output.clear();
    EXPECT_THROW(Invoke(f, {1}), EScriptError);
    auto* loop = static_cast<CLoopNode*>(f->Body()->Child(f->Body()->ChildCount() - 1));
    EXPECT_FALSE(loop->Stopping());
    Invoke(f, {2});
    EXPECT_EQ(Context().Output(), "pass pass ");
  }
}
