// Programs compiled from source, written as images and read back: name
// tables stored as any member of the trie family, and trees deeper than any
// fixed limit of the loader. The image must run as the compiled module does.
#include <gtest/gtest.h>

#include <string>

#include "runtime/compile/compiler.h"
#include "runtime/compile/module_loader.h"
#include "node_fixture.h"
#include "runtime/startup/runtime_init.h"
#include "support/node_writer.h"
#include "support/test_compilers.h"
#include "support/text_util.h"
#include "runtime/tree/block.h"
#include "runtime/treeimage/module_image.h"

using namespace runtime;

namespace {

using Omit = NodeImageWriter::Omit;

// Names looked up while the program runs: through texts that name them,
// inline compiles, methods of classes and their bases, "this" and "@".
constexpr const char* kNamesAtRunTime = R"(
var name = "Bo";
qel greet(who) var greeting = "hi"; return "$greeting $who from $name".eval(); end qel;
?. greet("Al");
var inner = "?. ""inline sees "" & name;".compile(true);
inner();
class Animal(kind)
  var sound = "...";
  qel speak() return kind & " says " & sound; end qel;
end class;
class Dog = Animal(kind)
  sound = "woof";
  qel twice() return this.speak() & ", " & speak(); end qel;
  qel told() return "$kind, $sound".eval(); end qel;
end class;
var d = Dog("Rex");
?. d.twice();
?. d.kind & " " & d.sound & " " & d.told();
qel viaAt() @ = "at is the result"; end qel;
?. viaAt();
)";

class NodeProgram : public NodeImageTest {
protected:
  void SetUp() override {
    NodeImageTest::SetUp();
    InitRuntimeLibraries();
  }

  // The output of the compiled module, which is unloaded again.
  static std::string CompileAndRun(const std::string& source, NameTables tables,
                                   std::string* fromImage) {
    CModule* compiled = LoadModule(Widen(source), &NewFailingCompiler, nullptr, {});
    const std::string image = NodeImage(compiled, Omit::kNone, tables);
    CModule* loaded = LoadModuleImage(image);
    *fromImage = RunWithLibraries(loaded);
    UnloadModules(loaded);
    const std::string shown = RunWithLibraries(compiled);
    UnloadModules(compiled);
    return shown;
  }
};

}  // namespace

TEST_F(NodeProgram, NameTablesOfEveryClassOfTheTrieFamily) {
  const NameTable tables[] = {NameTable::kTrie, NameTable::kNamedList, NameTable::kValueList};
  const char* names[] = {"trie", "named list", "value list"};
  for (int blocks = 0; blocks < 3; ++blocks)
    for (int locals = 0; locals < 3; ++locals) {
      std::string fromImage;
      const std::string compiled = CompileAndRun(kNamesAtRunTime, {tables[blocks], tables[locals]}, &fromImage);
      EXPECT_EQ(compiled,
                "hi Al from Bo\r\ninline sees Bo\r\nRex says woof, Rex says woof\r\nRex woof Rex, woof\r\n"
                "at is the result\r\n");
      EXPECT_EQ(fromImage, compiled) << "block names in a " << names[blocks] << ", local names in a "
                                     << names[locals];
    }
}

// Another writer may store a value list's inner list as sharing its items,
// as a parameter list shares the variables its function's names own.
TEST_F(NodeProgram, ValueListsWhoseInnerListsOwnTheirItemsOrShareThem) {
  for (bool owns : {true, false}) {
    NameTables tables;
    tables.valueListInnerOwns = owns;
    std::string fromImage;
    const std::string compiled = CompileAndRun(kNamesAtRunTime, tables, &fromImage);
    EXPECT_EQ(fromImage, compiled) << (owns ? "owning" : "sharing") << " inner lists";
  }
}

// Left-nested operators: each term adds a level to the tree, none to the
// parser's stack.
TEST_F(NodeProgram, AnExpressionOfFiveThousandTermsLoadsAndRuns) {
  std::string sum = "1";
  std::string text = "\"a\"";
  for (int term = 1; term < 5000; ++term) {
    sum += term % 2 ? " + 2" : " - 1";
    text += " & \"a\"";
  }
  std::string fromImage;
  const std::string compiled =
      CompileAndRun("var n = " + sum + ";\n?. n;\n?. (" + text + ").length();\n", {}, &fromImage);
  EXPECT_EQ(compiled, "2502\r\n5000\r\n");
  EXPECT_EQ(fromImage, compiled);
}
