// Key aliases: qelu compiles a script written with the words of a key-alias
// file; qel has no key-alias table and ignores the option.
#include "runner_fixture.h"

namespace {

constexpr char kAliases[] = "si=if\r\nalors=then\r\nfin=end\r\n";
constexpr char kAliasedScript[] = "si 1 = 1 alors ?. \"oui\"; fin si;\n";

using RunnerKeys = RunnerTest;

TEST_P(RunnerKeys, KeyFileLetsAliasedWordsCompile) {
  WriteFile(u"words.key", kAliases);
  const RunResult run = Run({WriteScript(u"aliased.qel", kAliasedScript), u"-key:" + Path(u"words.key")});
  if (!GetParam().eightBit) {
    EXPECT_EQ(run.output, "oui\r\n");
    EXPECT_EQ(run.status, 0);
  } else {
    EXPECT_EQ(run.output.find("oui"), std::string::npos);
    EXPECT_NE(run.output.find("syntax error[alors]"), std::string::npos) << run.output;
    EXPECT_EQ(run.status, 1);
  }
}

TEST_P(RunnerKeys, MissingKeyFileStopsQeluOnly) {
  const RunResult run = Run({WriteScript(u"plain.qel", "?. \"ran\";\n"), u"-key:" + Path(u"missing.key")});
  if (!GetParam().eightBit) {
    EXPECT_NE(run.output.find("missing.key"), std::string::npos) << run.output;
    EXPECT_EQ(run.output.find("ran"), std::string::npos);
    EXPECT_EQ(run.status, 1);
  } else {
    EXPECT_EQ(run.output, "ran\r\n");
    EXPECT_EQ(run.status, 0);
  }
}

INSTANTIATE_TEST_SUITE_P(Runners, RunnerKeys, testing::ValuesIn(Runners()), RunnerName);

}  // namespace
