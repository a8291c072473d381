// The runner's options seen from outside: verbose output, which argument
// names the script, and where the output goes.
#include <regex>

#include "platform/files.h"
#include "runner_fixture.h"

namespace {

constexpr char kHello[] = "?. \"Hello\";\n";
const std::string kRule = "--------------------------------\r\n";

std::string WithTimesHidden(const std::string& output) {
  return std::regex_replace(output, std::regex("time: [0-9]+ ms"), "time: N ms");
}

using RunnerOptions = RunnerTest;

TEST_P(RunnerOptions, VerboseShowsUsageThenTimingLinesAroundTheRun) {
  const std::u16string script = WriteScript(u"hello.qel", kHello);
  const std::string expected = kUsage + kRule + "Compiled, time: N ms\r\n" + kRule + "Hello\r\n" + kRule +
                               "Finished, time: N ms\r\n" + kRule;
  for (const char16_t* option : {u"-v", u"-?", u"-v:1", u"-v=true"}) {
    SCOPED_TRACE(Utf8(option));
    const RunResult run = Run({option, script});
    EXPECT_EQ(WithTimesHidden(run.output), expected);
    EXPECT_EQ(run.status, 0);
  }
}

// Names match case-sensitively from the first character after the prefix,
// and a value that is no boolean word or number reads false.
TEST_P(RunnerOptions, OnlyTheScriptsOutputWithoutVerbose) {
  const std::u16string script = WriteScript(u"hello.qel", kHello);
  for (const char16_t* option : {u"-vx", u"-V", u"-v:0", u"-v=no", u"-verbose", u"--v"}) {
    SCOPED_TRACE(Utf8(option));
    EXPECT_EQ(Run({option, script}).output, "Hello\r\n");
  }
}

TEST_P(RunnerOptions, QelOptionWinsOverPlainArguments) {
  const std::u16string a = WriteScript(u"a.qel", "?. \"a\";\n");
  const std::u16string b = WriteScript(u"b.qel", "?. \"b\";\n");
  EXPECT_EQ(Run({u"-qel:" + a, b}).output, "a\r\n");
  EXPECT_EQ(Run({b, u"-qel=" + a}).output, "a\r\n");
  EXPECT_EQ(Run({u"-v:0", b, a}).output, "b\r\n");
}

TEST_P(RunnerOptions, ScriptArgumentsReachArg) {
  const std::u16string script = WriteScript(u"args.qel", "?. 2.arg() & \"|\" & 3.arg() & \"|\" & 9.arg() & \"|\";\n");
  EXPECT_EQ(Run({script, u"two words", u"x\"y"}).output, "two words|x\"y||\r\n");
}

#ifdef _WIN32
TEST_P(RunnerOptions, SlashStartsAnOptionOnWindows) {
  const std::u16string script = WriteScript(u"hello.qel", kHello);
  EXPECT_EQ(WithTimesHidden(Run({u"/v", script}).output).substr(0, kUsage.size()), kUsage);
}
#endif

TEST_P(RunnerOptions, BareLogNamesTheRunnersPathWithLog) {
  const std::u16string script = WriteScript(u"hello.qel", kHello);
  const std::u16string log = runner_ + u".log";
  EXPECT_EQ(RunAsGiven(runner_, {script, u"-gui", u"-log"}), 0);
  std::string written;
  EXPECT_TRUE(platform::ReadWholeFile(log, written));
  EXPECT_EQ(written, "Hello\r\n");
}

TEST_P(RunnerOptions, LogFileIsCreatedAnew) {
  const std::u16string script = WriteScript(u"hello.qel", kHello);
  WriteFile(u"fresh.txt", "older and longer content than the run writes");
  EXPECT_EQ(RunAsGiven(runner_, {script, u"-gui", u"-log:" + Path(u"fresh.txt")}), 0);
  EXPECT_EQ(ReadFile(u"fresh.txt"), "Hello\r\n");
}

#ifndef _WIN32
// Natively the runner always shares its parent's standard output.
TEST_P(RunnerOptions, WithAConsoleTheLogOptionIsIgnored) {
  const std::u16string script = WriteScript(u"hello.qel", kHello);
  EXPECT_EQ(Run({script, u"-log:" + Path(u"log.txt")}).output, "Hello\r\n");
  EXPECT_FALSE(Exists(u"log.txt"));
}

TEST_P(RunnerOptions, GuiWritesOnlyToTheLog) {
  const std::u16string script = WriteScript(u"hello.qel", kHello);
  EXPECT_EQ(Run({script, u"-gui", u"-log:" + Path(u"log.txt")}).output, "");
  EXPECT_EQ(ReadFile(u"log.txt"), "Hello\r\n");
  const RunResult silent = Run({WriteScript(u"fails.qel", "raise \"x\";\n"), u"-gui"});
  EXPECT_EQ(silent.output, "");
  EXPECT_EQ(silent.status, 1);
}
#endif

INSTANTIATE_TEST_SUITE_P(Runners, RunnerOptions, testing::ValuesIn(Runners()), RunnerName);

}  // namespace
