// Trees built in code, written as images and read back: the tree read back
// must print what the tree as built prints.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "node_fixture.h"
#include "runtime/rxlib/regex_library.h"
#include "support/node_writer.h"
#include "support/program_builder.h"
#include "runtime/tree/statements.h"
#include "runtime/tree/node.h"
#include "runtime/tree/value_node.h"
#include "runtime/treeimage/module_image.h"

using namespace runtime;

namespace {

using Omit = NodeImageWriter::Omit;

class NodeRoundTrip : public NodeImageTest, public ProgramBuilder {
protected:
  void TearDown() override {
    ReleaseTree();
    NodeImageTest::TearDown();
  }

  // Each image is written before anything runs; then each runs, then the
  // tree as built.
  void ExpectRoundTrip(const std::string& expected, std::vector<Omit> omits = {Omit::kNone}) {
    std::vector<std::string> images;
    for (Omit omit : omits) images.push_back(NodeImage(Module(), omit));
    for (std::size_t i = 0; i < images.size(); ++i)
      EXPECT_EQ(LoadAndRun(images[i]), expected) << "from the image, omitting " << static_cast<int>(omits[i]);
    EXPECT_EQ(RunModule(Module()), expected) << "as built";
  }

  void Factorial() {
    Func("fact", {"n"}, [&] {
      If(Op('<', Name("n"), Const(2)), [&] { Return(Const(1)); });
      Return(Op('*', Name("n"), Call(Name("fact"), {Op('-', Name("n"), Const(1))})));
    });
  }

  // A class with a base whose method reads a variable the derived body sets.
  void Classes() {
    CFunction* base = Class("Base", {}, [&] {
      Var("kind");
      Set("kind", Const("base"));
      Func("describe", {}, [&] { Return(Op('&', Name("kind"), Const("!"))); });
    });
    Class("Derived", {"k"}, [&] { Set("kind", Name("k")); }, base);
  }
};

}  // namespace

TEST_F(NodeRoundTrip, StatementsBlocksAndModules) {
  Var("x");
  Set("x", Const(2));
  Print(Name("x"));
  PrintComma(Const("a"));
  Print(Const(1.5));
  Do(Op('+', Name("x"), Const(1)));
  CModule* lib = NewModule("lib.qel");
  In(lib, [&] {
    Var("shared");
    Set("shared", Const("from lib"));
    Print(Const("lib runs"));
  });
  Use(lib);
  Print(Name("shared"));
  CModule* named = NewModule("named.qel");
  In(named, [&] {
    Var("v");
    Set("v", Const(7));
  });
  Use(named, "m");
  Print(Member(Name("m"), "v"));
  Jump(Module());
  Print(Const("after the jump"));
  ExpectRoundTrip("2\na 1.5\nlib runs\nfrom lib\n7\n");
}

TEST_F(NodeRoundTrip, FunctionsRecursionArgumentsAndClasses) {
  Factorial();
  Print(Call(Name("fact"), {Const(5)}));
  Func("bump", {"v"}, [&] { Set("v", Op('+', Name("v"), Const(1))); });
  Var("y");
  Set("y", Const(1));
  Do(Call(Name("bump"), {Ref("y")}));
  Print(Name("y"));
  Func("pair", {"a", "b"}, [&] { Return(Op('&', Name("a"), Name("b"))); });
  Print(Call(Name("pair"), {Named("b", Const("B")), Named("a", Const("A"))}));
  Classes();
  Var("d");
  Set("d", Call(Name("Derived"), {Const("derived")}));
  Print(Call(Member(Name("d"), "describe")));
  Var("later");
  Set("later", Defer(Name("pair"), {Const("x")}));
  Print(Call(Name("later"), {Const("y")}));
  ExpectRoundTrip("120\n2\nAB\nderived!\nxy\n");
}

TEST_F(NodeRoundTrip, ChoicesLoopsAndErrors) {
  For("i", Const(1), Const(5), [&] {
    Next(Op('=', Name("i"), Const(2)));
    Exit(Op('=', Name("i"), Const(4)));
    PrintComma(Name("i"));
  });
  For("j", Const(3), Const(1), Const(-1), [&] { PrintComma(Name("j")); });
  Var("n");
  Set("n", Const(0));
  While(Op('<', Name("n"), Const(3)), [&] { Set("n", Op('+', Name("n"), Const(1))); });
  While(nullptr, [&] { Exit(); });
  Print(Name("n"));
  ForEach("v", Object({Named("a", Const(1)), Const(2)}), [&] {
    PrintComma(Name("p"));
    PrintComma(Name("k"));
    PrintComma(Name("v"));
  }, "p", "k");
  ForEach("w", Object({Const(3), Const(4)}), [&] { PrintComma(Name("w")); });
  Print(Const("."));
  Select({{Op('>', Name("n"), Const(5)), [&] { Print(Const("big")); }},
          {Op('=', Name("n"), Const(3)), [&] { Print(Const("three")); }}},
         [&] { Print(Const("other")); });
  Case(Const("B"), {{Object({Const("a"), Const("b")}), [&] { Print(Const("listed")); }}},
       [&] { Print(Const("not listed")); });
  Case(Const(9), {{Const(8), [&] { Print(Const("eight")); }}}, [&] { Print(Const("else")); });
  Try([&] {
    Raise(Const(42));
    Print(Const("after the raise"));
  }, [&] { Print(Name("@")); }, [&] { Print(Const("finally")); });
  Try([&] { Do(Name("missing")); }, [&] { Print(Name("@")); });
  ExpectRoundTrip("1 3 3 2 1 3\n0 a 1 1  2 3 4 .\nthree\nlisted\nelse\n42\nfinally\nmissing not found\n");
}

TEST_F(NodeRoundTrip, ObjectsReferencesAndOperators) {
  Var("o");
  Set("o", Object({Named("x", Const(1)), Const("second")}));
  Assign(Member(Name("o"), "y"), Const(5));
  Print(Member(Name("o"), "y"));
  Print(Index(Name("o"), Const(-2)));
  Print(Index(Name("o"), Const("x")));
  Var("c");
  Set("c", New(Name("o")));
  Assign(Member(Name("c"), "x"), Const(9));
  PrintComma(Member(Name("o"), "x"));
  Print(Member(Name("c"), "x"));
  PrintComma(Name("nothing", true));
  Print(Member(Name("o"), "absent", true));
  PrintComma(And(Const(0), Const("x")));
  PrintComma(Or(Const(""), Const("y")));
  PrintComma(Op('+', Const(2), Op('*', Const(3), Const(4))));
  PrintComma(Op('&', Const("a"), Const(1)));
  Print(Op('N', Const(0)));
  ExpectRoundTrip("5\nsecond\n1\n1 9\n \n0 y 14 a1 4294967295\n");
}

// Readers make what an image leaves out as the builder would have made it.
TEST_F(NodeRoundTrip, RecordsWithoutStacksLocalsOrExceptVariable) {
  Factorial();
  Print(Call(Name("fact"), {Const(6)}));
  Classes();
  Print(Call(Member(Call(Name("Derived"), {Const("made")}), "describe")));
  Try([&] { Raise(Const("caught")); }, [&] { Print(Name("@")); });
  ExpectRoundTrip("720\nmade!\ncaught\n", {Omit::kNone, Omit::kStacks, Omit::kFunctionLocals, Omit::kTryMessage});
}

TEST_F(NodeRoundTrip, LinesNamesAndRegexValuesSurvive) {
  Print(Const("x"));
  static_cast<CLineStatement*>(Module()->Child(0))->SetLine(12);
  auto* regex = new CRegexValue(Scope());
  regex->Init(T("b+"), T("gi"));
  Var("r");
  Set("r", regex);
  CModule* module = LoadModuleImage(NodeImage(Module()));
  EXPECT_EQ(static_cast<CLineStatement*>(module->Child(0))->Line(), 12);
  auto* loaded = static_cast<CRegexValue*>(static_cast<CAssignStmt*>(module->Child(1))->Expression());
  EXPECT_EQ(loaded->Pattern(), T("b+"));
  EXPECT_EQ(loaded->Flags(), T("gi"));
  EXPECT_TRUE(loaded->IsGlobal());
  EXPECT_EQ(RegexValueOf(loaded->ValueRef()), loaded);
  EXPECT_EQ(module->FindOwn(T("r"))->Name(), T("r"));
  module->Release();
}
