// The script corpus and the examples through the built runners: what each
// script prints must be the bytes its .out file holds (.out8 for qel where
// it has one), as in the in-process corpus test, now through the runner's own
// output, options and shutdown.
#include "platform/dirs.h"
#include "platform/files.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "runner_fixture.h"
#include "support/corpus_files.h"
#include "support/text_util.h"
#include "runtime/sys/sys_util.h"

using namespace runtime;

namespace {

std::string Expected(const std::u16string& path) {
  std::string bytes;
  EXPECT_TRUE(platform::ReadWholeFile(path, bytes)) << "missing " << Utf8(path);
  return bytes;
}

// The current folder for the length of a test, put back even when it fails:
// the temporary folder cannot go while it is current.
class CurrentFolderScope {
public:
  explicit CurrentFolderScope(const std::u16string& folder) : previous_(platform::CurrentFolder()) {
    EXPECT_TRUE(platform::SetCurrentFolder(folder)) << Utf8(folder);
  }
  ~CurrentFolderScope() { platform::SetCurrentFolder(previous_); }
  CurrentFolderScope(const CurrentFolderScope&) = delete;
  CurrentFolderScope& operator=(const CurrentFolderScope&) = delete;

private:
  std::u16string previous_;
};

class RunnerCorpus : public RunnerTest {
protected:
  // "use" looks in "lib" and "app" beside the program last.
  void CopyFolderBesideRunner(std::u16string_view name) {
    const std::u16string from = ScriptsFolder() + std::u16string(name);
    const std::u16string to = Path(name);
    ASSERT_TRUE(platform::FolderCreate(to));
    std::vector<platform::DirEntry> entries;
    platform::ListFolder(from, u"*", entries);
    for (const platform::DirEntry& entry : entries)
      ASSERT_TRUE(platform::FileCopy(from + u"/" + entry.name, to + u"\\" + entry.name, true));
  }
};

TEST_P(RunnerCorpus, EveryScriptShowsWhatItsOutFileHolds) {
  CopyFolderBesideRunner(u"lib");
  CopyFolderBesideRunner(u"app");
  // Scripts that write files by relative names write them here, apart from
  // the other runner's run of the same script.
  const CurrentFolderScope inTempFolder(Path(u""));
  const std::vector<std::u16string> names = ScriptNames(ScriptsFolder());
  ASSERT_FALSE(names.empty());
  for (const std::u16string& name : names) {
    SCOPED_TRACE(Utf8(name));
    const std::u16string base = ScriptsFolder() + name;
    std::vector<std::u16string> arguments{base + u".qel"};
    if (platform::FileExists(base + u".key")) arguments.push_back(u"-key:" + base + u".key");
    const RunResult run = Run(arguments);
    EXPECT_EQ(WithFolderHidden(run.output, ScriptsFolder()), Expected(ExpectedOutputPath(base, GetParam().eightBit)));
    // 0 or 1 as the script ends; anything else is a crash or a report of
    // the sanitizers.
    EXPECT_TRUE(run.status == 0 || run.status == 1) << "exit status " << run.status;
  }
}

// Examples named com_... use COM, and "form" the "ui" library: elsewhere
// they stop at once with the error that says so (empty: none).
std::string WindowsOnlyError(const std::u16string& name) {
#ifdef _WIN32
  (void)name;
  return "";
#else
  if (name.starts_with(u"com_")) return "NewObj: COM objects need Windows\r\n";
  if (name == u"form") return "GetLib: the \"ui\" library needs Windows\r\n";
  return "";
#endif
}

// Expected outputs of the examples are kept here, not beside them.
TEST_P(RunnerCorpus, ExamplesRunCleanly) {
  const std::vector<std::u16string> names = ScriptNames(ExamplesFolder());
  ASSERT_FALSE(names.empty());
  for (const std::u16string& name : names) {
    SCOPED_TRACE(Utf8(name));
    const RunResult run = Run({ExamplesFolder() + name + u".qel"});
    const std::string windowsOnly = WindowsOnlyError(name);
    if (!windowsOnly.empty()) {
      EXPECT_EQ(run.output, windowsOnly);
      EXPECT_EQ(run.status, 1);
      continue;
    }
    EXPECT_EQ(run.output, Expected(u"" QEL_SOURCE u"/tests/runner/examples/" + name + u".out"));
    EXPECT_EQ(run.status, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Runners, RunnerCorpus, testing::ValuesIn(Runners()), RunnerName);

}  // namespace
