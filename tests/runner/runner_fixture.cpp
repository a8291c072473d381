#include "runner_fixture.h"

#include "platform/files.h"
#include "platform/filesystem.h"
#include "platform/process.h"

void PrintTo(const RunnerUnderTest& runner, std::ostream* out) { *out << runner.name; }

std::vector<RunnerUnderTest> Runners() {
  return {{"qelu", u"" QEL_QELU, false}, {"qel", u"" QEL_QEL, true}};
}

std::string RunnerName(const testing::TestParamInfo<RunnerUnderTest>& info) { return info.param.name; }

std::u16string ScriptsFolder() { return u"" QEL_SOURCE u"/tests/scripts/"; }

std::u16string ExamplesFolder() { return u"" QEL_SOURCE u"/examples/"; }

void RunnerTest::SetUp() {
  TempFolderTest::SetUp();
  runner_ = CopyRunner(Utf16(GetParam().name) + std::u16string(kProgramSuffix));
}

std::u16string RunnerTest::CopyRunner(std::u16string_view fileName) {
  const std::u16string copy = Path(fileName);
  EXPECT_TRUE(platform::FileCopy(GetParam().path, copy, true)) << Utf8(copy);
  return copy;
}

RunResult RunnerTest::Run(std::vector<std::u16string> arguments) { return RunProgram(runner_, std::move(arguments)); }

#ifdef _WIN32

RunResult RunnerTest::RunProgram(const std::u16string& program, std::vector<std::u16string> arguments) {
  const std::u16string log = Path(u"out.txt");
  platform::FileDelete(log);
  arguments.push_back(u"-gui");
  arguments.push_back(u"-log:" + log);
  const int status = RunAsGiven(program, arguments);
  std::string output;
  platform::ReadWholeFile(log, output);
  return {status, output};
}

int RunnerTest::RunAsGiven(const std::u16string& program, const std::vector<std::u16string>& arguments) {
  return platform::RunProgram(program, arguments, u"");
}

#else

RunResult RunnerTest::RunProgram(const std::u16string& program, std::vector<std::u16string> arguments) {
  const int status = RunAsGiven(program, arguments);
  return {status, ReadFile(u"stdout.txt")};
}

int RunnerTest::RunAsGiven(const std::u16string& program, const std::vector<std::u16string>& arguments) {
  return platform::RunProgram(program, arguments, Path(u"stdout.txt"));
}

#endif

bool RunnerTest::Exists(std::u16string_view name) const { return platform::FileExists(Path(name)); }

std::u16string RunnerTest::WriteScript(std::u16string_view name, std::string_view source) {
  WriteFile(name, source);
  return Path(name);
}
