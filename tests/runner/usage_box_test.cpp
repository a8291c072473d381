// Where the usage goes when no script is found: to the console or the log
// when there is one, else to a message box, so that a runner started from
// the desktop without a script still says how to use it.
#include "host/startup/host_init.h"
#include "runner/script_run.h"
#include "runtime/startup/runtime_init.h"
#include "runtime/sys/sys_util.h"
#include "support/temp_folder.h"

using namespace runtime;

namespace {

std::vector<Text> boxes;

void RecordBox(TextView usage) { boxes.emplace_back(usage); }

class UsageBoxTest : public TempFolderTest {
protected:
  static void SetUpTestSuite() {
    InitRuntimeLibraries();
    host::InitHostLibraries();
  }
  void SetUp() override {
    TempFolderTest::SetUp();
    boxes.clear();
  }

  RunStatus Run(std::vector<std::u16string> arguments) {
    std::vector<Text> texts;
    for (const std::u16string& argument : arguments) texts.push_back(TextFromUtf16(argument));
    CScriptRun run{CRunnerOptions(std::move(texts))};
    run.SetUsageBox(&RecordBox);
    return run.Run();
  }
};

TEST_F(UsageBoxTest, WithoutConsoleOrLogTheUsageGoesToTheBox) {
  for (const std::vector<std::u16string>& arguments :
       {std::vector<std::u16string>{u"-gui"}, {u"-gui", Path(u"missing.qel")}, {u"-gui", u"-v"}}) {
    boxes.clear();
    EXPECT_EQ(Run(arguments), RunStatus::kNoScript);
    ASSERT_EQ(boxes.size(), 1u) << "one box, and none for the verbose banner";
    EXPECT_EQ(boxes[0], UsageText());
  }
}

TEST_F(UsageBoxTest, ALogTakesTheUsageInstead) {
  EXPECT_EQ(Run({u"-gui", u"-log:" + Path(u"out.log")}), RunStatus::kNoScript);
  EXPECT_TRUE(boxes.empty());
  EXPECT_EQ(ReadFile(u"out.log"), SystemBytesFromText(UsageText()));
}

TEST_F(UsageBoxTest, AScriptFoundShowsNoBox) {
  WriteFile(u"quiet.qel", "var x = 1;\n");
  EXPECT_EQ(Run({u"-gui", Path(u"quiet.qel")}), RunStatus::kClean);
  EXPECT_TRUE(boxes.empty());
}

}  // namespace
