// The built runners as processes: each test copies the runner under test
// into a fresh folder (so that files beside it are the test's own) and runs
// it. Natively the output is the runner's standard output; on Windows, run
// under Wine where a GUI-subsystem program cannot attach to a console, the
// runner gets "-gui -log:" and the output is its log file.
#pragma once
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/temp_folder.h"

struct RunnerUnderTest {
  const char* name;
  std::u16string path;
  // qel: 8-bit text and no key aliases.
  bool eightBit;
};

struct RunResult {
  int status;
  std::string output;
};

// Names the parameter in test listings.
void PrintTo(const RunnerUnderTest& runner, std::ostream* out);

std::vector<RunnerUnderTest> Runners();
std::string RunnerName(const testing::TestParamInfo<RunnerUnderTest>& info);

#ifdef _WIN32
inline constexpr std::u16string_view kProgramSuffix = u".exe";
#else
inline constexpr std::u16string_view kProgramSuffix = u"";
#endif

// Folders of the repository, with "/" at the end.
std::u16string ScriptsFolder();
std::u16string ExamplesFolder();

// The lines of the usage text.
inline const std::string kUsage =
    "\r\nQel 8.0\r\nUsage:\r\n"
    "  qel.exe [-qel:]<file.qel or .qob/.qex> [-key:<key.ini>] [-log[:<log.txt>]] [-gui] [-v]\r\n\r\n";

class RunnerTest : public TempFolderTest, public testing::WithParamInterface<RunnerUnderTest> {
protected:
  void SetUp() override;

  // A copy of the runner under test in the folder, as the file name given.
  std::u16string CopyRunner(std::u16string_view fileName);
  // Runs the folder's runner, or the given program, and reads what it printed.
  RunResult Run(std::vector<std::u16string> arguments);
  RunResult RunProgram(const std::u16string& program, std::vector<std::u16string> arguments);
  // Runs with exactly these arguments; natively standard output goes to the
  // file "stdout.txt" of the folder.
  int RunAsGiven(const std::u16string& program, const std::vector<std::u16string>& arguments);
  bool Exists(std::u16string_view name) const;
  // A script file of the folder; the path is returned.
  std::u16string WriteScript(std::u16string_view name, std::string_view source);

  std::u16string runner_;
};
