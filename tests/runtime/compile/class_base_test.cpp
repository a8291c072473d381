#include <string>

#include "compile_fixture.h"
#include "runtime/tree/function.h"

using namespace runtime;

using ClassBase = CompileTest;

// The inner class is owned by its base: both go when the module does (the
// fixture checks that no node is left).
TEST_F(ClassBase, AClassDeclaredInsideItsBaseIsReleasedWithIt) {
  CModule* module = Compile(
      "class Outer(v)\n"
      "  class Inner = Outer(v) ?. \"inner \" & v; end class;\n"
      "  ?. \"outer \" & v;\n"
      "end class;\n"
      "var o = Outer(1);\n");
  EXPECT_EQ(Output(module), "outer 1\r\n");
  EXPECT_TRUE(ListedMessages().empty());
}

TEST_F(ClassBase, AnUnfinishedClassInsideItsBaseIsReleasedToo) {
  Compile("class m()class g=m()");
}

// The arrow function's parameter list is held twice on the parser's stack
// when the missing base ends the compile.
TEST_F(ClassBase, AMissingBaseInsideAnArrowBodyLeavesNothingAlive) {
  EXPECT_EQ(ErrorOf([&] { Compile("y = (a) -> { class D = B() end class; }"); }), "B not found");
}

// Each class of a chain is new when it gets its base, so keeping it out of
// its own base chain walks no chain: compiling the chain stays linear.
TEST_F(ClassBase, AChainOfDerivedClassesCompilesWithoutWalkingTheirBases) {
  constexpr int kClasses = 2000;
  std::string source = "class C0() var depth = 0; end class;\n";
  for (int i = 1; i < kClasses; ++i)
    source += "class C" + std::to_string(i) + " = C" + std::to_string(i - 1) + "() depth += 1; end class;\n";
  source += "?. C100().depth;\n";
  const uint64_t walkedBefore = CFunction::BaseLinksWalked();
  CModule* module = Compile(source.c_str());
  EXPECT_EQ(CFunction::BaseLinksWalked(), walkedBefore);
  EXPECT_EQ(Output(module), "100\r\n");
  EXPECT_TRUE(ListedMessages().empty());
}
