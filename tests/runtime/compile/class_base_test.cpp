#include "compile_fixture.h"

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
