// Operators and loop passes allocate nothing: running more passes makes no
// more allocations.
#include "alloc_counter.h"
#include "tree_fixture.h"
#include "value/convert.h"
#include "value/text_access.h"

using TreeSpeed = TreeTest;

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
  auto allocationsOfARun = [&](int32_t count) {
    passes->OwnValue().SetInt(count);
    const int64_t before = AllocationCount();
    Module()->Call(Context(), nullptr);
    return AllocationCount() - before;
  };
  allocationsOfARun(2);
  const int64_t onePass = allocationsOfARun(1);
  const int64_t manyPasses = allocationsOfARun(300);
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
  auto allocationsOfARun = [&](int32_t count) {
    passes->OwnValue().SetInt(count);
    Module()->FindOwn(T("s"))->SetValue(Value());
    Module()->FindOwn(T("t"))->SetValue(Value());
    const int64_t before = AllocationCount();
    Module()->Call(Context(), nullptr);
    return AllocationCount() - before;
  };
  allocationsOfARun(2);
  const int64_t onePass = allocationsOfARun(1);
  const int64_t manyPasses = allocationsOfARun(3000);
  EXPECT_EQ(manyPasses, onePass);
  EXPECT_EQ(TextLength(Module()->FindOwn(T("s"))->ValueRef()), 3000 + 9 + 180 + 2700 + 8004);
  EXPECT_EQ(TextLength(Module()->FindOwn(T("t"))->ValueRef()), 3000 + 9 + 180 + 2700 + 8004);
}
