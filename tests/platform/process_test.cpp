#include "platform/paths.h"
#include "platform/process.h"
#include "support/temp_folder.h"

using namespace platform;

namespace {

std::u16string BesideThisProgram(std::u16string_view name) {
  const std::u16string self = ProgramPath();
  return self.substr(0, self.find_last_of(u"\\/") + 1) + std::u16string(name);
}

#ifdef _WIN32
const std::u16string kEcho = BesideThisProgram(u"echo_arguments.exe");
#else
const std::u16string kEcho = BesideThisProgram(u"echo_arguments");
#endif

using ProcessTest = TempFolderTest;

// The command line must carry each argument through unchanged, whatever the
// quoting rules of the platform make of spaces, quotes and backslashes.
TEST_F(ProcessTest, ArgumentsArriveOneByOneAndOutputIsCaptured) {
  const std::vector<std::string> arguments = {
      "plain", "two words", "", "quote\"inside", "trailing\\", "back\\\\\"slash", "a\\b c\\", "\xC3\xBC \xE2\x82\xAC"};
  std::vector<std::u16string> wide;
  std::string expected;
  for (const std::string& argument : arguments) {
    wide.push_back(Utf16(argument));
    expected += "[" + argument + "]\n";
  }
  EXPECT_EQ(RunProgram(kEcho, wide, Path(u"out.txt")), int(arguments.size()));
  EXPECT_EQ(ReadFile(u"out.txt"), expected + "to standard error\n");
}

TEST_F(ProcessTest, OutputFileIsCreatedAnew) {
  WriteFile(u"out.txt", "older and longer content than the new output");
  EXPECT_EQ(RunProgram(kEcho, {}, Path(u"out.txt")), 0);
  EXPECT_EQ(ReadFile(u"out.txt"), "to standard error\n");
}

TEST_F(ProcessTest, MissingProgramIsNotStarted) {
  EXPECT_EQ(RunProgram(Path(u"no_such_program"), {}, Path(u"out.txt")), -1);
}

}  // namespace
