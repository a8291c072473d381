// Where the runner finds its script when the command line names none: an
// image appended to its own program file, its resource "Diz" (Windows),
// and compiled files beside it.
#include "platform/files.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "runner_fixture.h"
#include "script_image.h"
#include "support/image_writer.h"

#ifdef _WIN32
#include <windows.h>
#endif

using namespace runtime;

namespace {

using RunnerDiscovery = RunnerTest;

TEST_P(RunnerDiscovery, SiblingQobRunsAndQobComesBeforeQex) {
  const std::u16string name = Utf16(GetParam().name);
  WriteFile(name + u".qex", ScriptImage("?. \"from qex\";\n"));
  EXPECT_EQ(Run({}).output, "from qex\r\n");
  WriteFile(name + u".qob", ScriptImage("?. \"from qob\";\n"));
  const RunResult run = Run({});
  EXPECT_EQ(run.output, "from qob\r\n");
  EXPECT_EQ(run.status, 0);
}

// The key-alias file is read only for a script named on the command line.
TEST_P(RunnerDiscovery, KeyOptionIsIgnoredForASiblingScript) {
  WriteFile(Utf16(GetParam().name) + u".qob", ScriptImage("?. \"sibling\";\n"));
  EXPECT_EQ(Run({u"-key:" + Path(u"missing.key")}).output, "sibling\r\n");
  EXPECT_EQ(Run({WriteScript(u"named.qel", "?. \"named\";\n")}).output, "named\r\n");
}

TEST_P(RunnerDiscovery, DoubledExtensionFindsTheInnerName) {
  const std::u16string tool = CopyRunner(u"tool.qex.exe");
  WriteFile(u"tool.qex", ScriptImage("?. \"tool\";\n"));
  EXPECT_EQ(RunProgram(tool, {}).output, "tool\r\n");
}

TEST_P(RunnerDiscovery, ImageAppendedToTheProgramRuns) {
  const std::u16string bundled = CopyRunner(u"bundled" + std::u16string(kProgramSuffix));
  std::string bytes;
  ASSERT_TRUE(platform::ReadWholeFile(bundled, bytes));
  ASSERT_TRUE(platform::WriteWholeFile(bundled, bytes + ScriptImage("?. \"appended\";\n")));
  const RunResult run = RunProgram(bundled, {});
  EXPECT_EQ(run.output, "appended\r\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(RunProgram(bundled, {WriteScript(u"named.qel", "?. \"named\";\n")}).output, "named\r\n");
}

// A well-formed container whose records cannot be read.
TEST_P(RunnerDiscovery, UnreadableAppendedImageIsIgnored) {
  const std::u16string bundled = CopyRunner(u"bundled" + std::u16string(kProgramSuffix));
  std::string bytes;
  ASSERT_TRUE(platform::ReadWholeFile(bundled, bytes));
  const std::string damaged = WrapPayload("not records", ImageForm::kOrdinary, kImageVersionPlain);
  ASSERT_TRUE(platform::WriteWholeFile(bundled, bytes + damaged));
  const RunResult run = RunProgram(bundled, {});
  EXPECT_EQ(run.output, kUsage);
  EXPECT_EQ(run.status, 2);
}

#ifdef _WIN32
std::u16string BesideThisProgram(std::u16string_view name) {
  const std::u16string self = platform::ProgramPath();
  return self.substr(0, self.find_last_of(u"\\/") + 1) + std::u16string(name);
}

// Built with the resource from diz_script.qel (see CMakeLists.txt).
TEST_P(RunnerDiscovery, ResourceDizHoldsTheScript) {
  const std::u16string diz = Path(u"diz.exe");
  ASSERT_TRUE(platform::FileCopy(BesideThisProgram(Utf16(GetParam().name) + u"_diz.exe"), diz, true));
  const RunResult run = RunProgram(diz, {});
  EXPECT_EQ(run.output, "from the resource Diz\r\n");
  EXPECT_EQ(run.status, 0);
}

// A compiled image in the resource runs like source text there.
TEST_P(RunnerDiscovery, ResourceDizMayHoldACompiledImage) {
  const std::u16string runner = CopyRunner(u"dizimage.exe");
  std::string image = ScriptImage("?. \"from an image in Diz\";\n");
  const auto path = reinterpret_cast<const wchar_t*>(runner.c_str());
  HANDLE update = BeginUpdateResourceW(path, FALSE);
  ASSERT_NE(update, nullptr);
  ASSERT_TRUE(UpdateResourceW(update, L"Qel", L"Diz", MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL), image.data(),
                              static_cast<DWORD>(image.size())));
  ASSERT_TRUE(EndUpdateResourceW(update, FALSE));
  const RunResult run = RunProgram(runner, {});
  EXPECT_EQ(run.output, "from an image in Diz\r\n");
  EXPECT_EQ(run.status, 0);
}
#endif

INSTANTIATE_TEST_SUITE_P(Runners, RunnerDiscovery, testing::ValuesIn(Runners()), RunnerName);

}  // namespace
