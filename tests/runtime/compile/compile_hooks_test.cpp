#include "runtime/compile/console_compiler.h"
#include "runtime/compile/module_search.h"
#include "compile_fixture.h"

using namespace runtime;

namespace {

// What the compile asked of the hooked contexts.
struct HookLog {
  int contexts = 0;
  int inherited = 0;
  int statements = 0;
  std::vector<std::string> sources;
};

HookLog hooks;

class CHookedCompiler : public CListingCompiler {
public:
  CHookedCompiler() { ++hooks.contexts; }
  void InheritFrom(CCompiler& parent) override {
    EXPECT_EQ(Parent(), &parent);
    EXPECT_EQ(FileName(), parent.FileName());
    ++hooks.inherited;
  }
  void OnStatement(CStatement*) override { ++hooks.statements; }
  void OnModuleSource(TextView path, Text& source, CModule*) override {
    hooks.sources.push_back(Narrow(path));
    if (path.ends_with(QT("edited.qel"))) source = Widen("?. \"unsaved text\";");
  }
};

CCompiler* NewHookedCompiler() { return new CHookedCompiler(); }

class CompileHooks : public CompileTest {
protected:
  void SetUp() override {
    CompileTest::SetUp();
    hooks = HookLog();
  }
};

std::vector<std::string> printed;

void PrintLine(TextView line) { printed.push_back(Narrow(line)); }

}  // namespace

TEST_F(CompileHooks, TheHostMaySupplyTheSourceOfAModuleWithAFileName) {
  WriteFile(u"edited.qel", "?. \"saved text\";");
  CModule* module = LoadFile(u"edited.qel", &NewHookedCompiler);
  EXPECT_EQ(Output(module), "unsaved text\r\n");
  EXPECT_EQ(hooks.sources, std::vector<std::string>{Narrow(module->FileName())});
  EXPECT_EQ(module->FileName(), ExpandFileName(TextFromUtf16(Path(u"edited.qel"))));
  Compile("", &NewHookedCompiler);
  EXPECT_EQ(hooks.sources.size(), 1u) << "a module without a file name has no source hook";
}

TEST_F(CompileHooks, NestedAndImportedCompilesUseTheKindOfTheirParent) {
  WriteFile(u"main.qel", "use \"part.qel\"; var f = { ?. \"nested\"; }; f();");
  WriteFile(u"part.qel", "var bad = var nothing;");
  CModule* module = LoadFile(u"main.qel", &NewHookedCompiler);
  EXPECT_EQ(hooks.contexts, 3) << "main, part and the nested body";
  EXPECT_EQ(hooks.inherited, 1);
  EXPECT_EQ(hooks.statements, 4);
  EXPECT_EQ(ListedMessages(), std::vector<std::string>{"nothing not found"});
  EXPECT_EQ(Output(module), "nested\r\n");
}

TEST_F(CompileHooks, TheConsoleCompilerPrintsAndCountsEachMessage) {
  printed.clear();
  SetCompileErrorPrinter(&PrintLine);
  const int32_t before = CConsoleCompiler::ErrorCount();
  CModule* module = Compile("if; ?. \"runs\"; end if;", &NewConsoleCompiler);
  SetCompileErrorPrinter(nullptr);
  EXPECT_EQ(printed, (std::vector<std::string>{"syntax error[;]", "if not found"}));
  EXPECT_EQ(CConsoleCompiler::ErrorCount(), before + 2);
  EXPECT_EQ(Output(module), "runs\r\n");
}

TEST_F(CompileHooks, FilesCompileWithTheDefaultClassWhenNoneIsGiven) {
  WriteFile(u"plain.qel", "end qel;");
  SetDefaultCompilerClass(&NewListingCompiler);
  Keep(LoadModuleFile(TextFromUtf16(Path(u"plain.qel")), nullptr));
  SetDefaultCompilerClass(&NewConsoleCompiler);
  EXPECT_EQ(ListedMessages(), std::vector<std::string>{"qel not found"});
}
