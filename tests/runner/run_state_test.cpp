// Three script runs in one process, as the IDE makes them: a clean one that
// changes the process's settings, one with compile and script errors, and a
// clean one again. Nothing of a run may reach the next.
#include "runtime/builtin/script_settings.h"
#include "runtime/compile/compiler.h"
#include "runtime/compile/console_compiler.h"
#include "host/startup/host_init.h"
#include "runtime/lib/context.h"
#include "runtime/parse/key_alias.h"
#include "runner/script_run.h"
#include "runtime/startup/runtime_init.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/call.h"
#include "support/temp_folder.h"

using namespace runtime;

namespace {

constexpr char kAliases[] = "fin=end\r\n";

// Leaves an alias, a code page and its own arguments behind.
constexpr char kSettingScript[] =
    "\"defaultCodePage\".set(936);\n"
    "qel count(n) if n > 0 then count(n - 1); fin if; fin qel;\n"
    "count(3);\n"
    "?. \"one\";\n";

// A compile error, then a script error raised four calls deep.
constexpr char kFailingScript[] =
    "qel down(n) if n = 0 then raise \"bottom\"; end if; down(n - 1); end qel;\n"
    "?. \"two\";\n"
    "var = ;\n"
    "down(3);\n";

// "fin" is a plain name here.
constexpr char kCleanScript[] =
    "var fin = \"three\";\n"
    "?. fin;\n";

class RunState : public TempFolderTest {
protected:
  static void SetUpTestSuite() {
    InitRuntimeLibraries();
    host::InitHostLibraries();
  }

  // Runs the script as the runner does, its output going to its own log.
  RunStatus RunScript(std::u16string_view name, std::string_view source, std::vector<std::u16string> extra = {}) {
    const std::u16string script = Path(std::u16string(name) + u".qel");
    WriteFile(std::u16string(name) + u".qel", source);
    std::vector<Text> arguments{TextFromUtf16(script), QT("-gui"),
                                TextFromUtf16(u"-log:" + Path(std::u16string(name) + u".log"))};
    for (const std::u16string& argument : extra) arguments.push_back(TextFromUtf16(argument));
    CScriptRun run{CRunnerOptions(std::move(arguments))};
    return run.Run();
  }

  // What every run must leave: the settings of a process that ran nothing.
  static void ExpectStartUpState() {
    EXPECT_EQ(CConsoleCompiler::ErrorCount(), 0);
    EXPECT_EQ(CurrentContext(), nullptr);
    EXPECT_EQ(DefaultCompilerClass(), &NewConsoleCompiler);
    EXPECT_EQ(DefaultCodePage(), 0);
    EXPECT_TRUE(ProgramArgument(1).empty());
    EXPECT_EQ(Text(KeyAlias(QT("fin"))), Text(QT("fin")));
    EXPECT_EQ(CCallDepth::Current(), 0);
  }
};

TEST_F(RunState, NothingOfOneRunReachesTheNext) {
  WriteFile(u"words.key", kAliases);
  EXPECT_EQ(RunScript(u"one", kSettingScript, {u"-key:" + Path(u"words.key")}), RunStatus::kClean);
  EXPECT_EQ(ReadFile(u"one.log"), "one\r\n");
  ExpectStartUpState();

  EXPECT_EQ(RunScript(u"two", kFailingScript), RunStatus::kFailed);
  const std::string failed = ReadFile(u"two.log");
  EXPECT_NE(failed.find("two\r\n"), std::string::npos) << failed;
  EXPECT_NE(failed.find("bottom"), std::string::npos) << failed;
  EXPECT_EQ(ReadFile(u"one.log"), "one\r\n") << "a finished run's output stays closed";
  ExpectStartUpState();

  EXPECT_EQ(RunScript(u"three", kCleanScript), RunStatus::kClean) << ReadFile(u"three.log");
  EXPECT_EQ(ReadFile(u"three.log"), "three\r\n");
  ExpectStartUpState();
}

}  // namespace
