// Operators and loop passes allocate nothing: running more passes makes no
// more allocations.
#include "support/alloc_counter.h"
#include "support/tree_fixture.h"
#include "runtime/value/convert.h"
#include "runtime/value/text_access.h"

using namespace runtime;

class TreeSpeed : public TreeTest {
protected:
  // Allocations of one run of the module with the variable set to the count
  // of passes; the named variables are emptied first.
  int64_t AllocationsOfARun(CVariable* passes, int32_t count, std::initializer_list<const char*> emptied = {}) {
    passes->OwnValue().SetInt(count);
    for (const char* name : emptied) Module()->FindOwn(T(name))->SetValue(Value());
    const int64_t before = AllocationCount();
    Module()->Call(Context(), nullptr);
    return AllocationCount() - before;
  }
};

TEST_F(TreeSpeed, OperatorsAndLoopPassesAllocateNothing) {
  CVariable* passes = Var("passes");
  for (const char* name : {"x", "d", "u", "t", "hits"}) Var(name);
  Set("t", Const("text"));
  Set("hits", Const(0));
  For("i", Const(1), Name("passes"), [&] {
    Set("x", Op('+', Op('*', Name("i"), Const(3)), Op('d', Name("i"), Const(2))));
    Set("d", Op('/', Op('-', Const(0.5), Name("x")), Op('^', Const(2), Op('m', Name("i"), Const(3)))));
    Set("u", Op('+', Op('A', Name("i"), Const(255)), Op('L', Const(1), Op('N', Const(0)))));
    If(And(Op('<', Name("d"), Name("x")), Or(Op('n', Name("d")), Op('=', Name("t"), Const("TEXT")))), [&] {
      ForEach("v", Object({Const(1), Const("two"), Const(3.0)}), [&] {
        Next(Op('i', Name("v"), Object({Const("two")})));
        Set("hits", Op('+', Name("hits"), Op('*', Name("v"), Name("k"))));
      }, "k");
    });
    Set("x", Name("i"));
    While(Op('<', Const(0), Name("x")), [&] { Set("x", Op('-', Name("x"), Const(1))); });
  });
  AllocationsOfARun(passes, 2);
  const int64_t onePass = AllocationsOfARun(passes, 1);
  const int64_t manyPasses = AllocationsOfARun(passes, 300);
  EXPECT_EQ(manyPasses, onePass);
  EXPECT_EQ(ToInt32(Module()->FindOwn(T("hits"))->ValueRef()), 6 * 300);
}

// "s = s & ..." and "t &= ..." grow the variable's own buffer: longer texts
// cost no more allocations, and the lengths come out right.
TEST_F(TreeSpeed, AppendingToAVariablesTextAllocatesNothingPerPass) {
  CVariable* passes = Var("passes");
  Var("s");
  Var("t");
  CNameRef* t = Name("t");
  t->AddRef();
  For("i", Const(1), Name("passes"), [&] {
    Set("s", Op('&', Op('&', Name("s"), Const("x")), Name("i")));
    Assign(t, Op('&', t, Op('&', Const("y"), Name("i"))));
  });
  AllocationsOfARun(passes, 2, {"s", "t"});
  const int64_t onePass = AllocationsOfARun(passes, 1, {"s", "t"});
  const int64_t manyPasses = AllocationsOfARun(passes, 3000, {"s", "t"});
  EXPECT_EQ(manyPasses, onePass);
  EXPECT_EQ(TextLength(Module()->FindOwn(T("s"))->ValueRef()), 3000 + 9 + 180 + 2700 + 8004);
  EXPECT_EQ(TextLength(Module()->FindOwn(T("t"))->ValueRef()), 3000 + 9 + 180 + 2700 + 8004);
}
