// Exit statuses and what the runner prints when a script fails or is not
// found: 0 after a clean run, 1 after a compile error or an error that
// stopped the script, 2 when there is no script (the usage text is shown).
#include "runner_fixture.h"

namespace {

using RunnerStatus = RunnerTest;

TEST_P(RunnerStatus, ScriptsEndWithTheirStatus) {
  struct Case {
    const char* name;
    const char* source;
    std::string output;
    int status;
  } cases[] = {
      {"clean", "?. 1 + 1;\n", "2\r\n", 0},
      {"caught error", "try raise \"x\"; except ?. \"caught \" & @; end try;\n", "caught x\r\n", 0},
      {"compile error, the rest still runs", "?. \"still runs\";\nend if;\n", "if not found\r\nstill runs\r\n", 1},
      {"uncaught error", "?. \"before\";\nraise \"stopped here\";\n?. \"after\";\n", "before\r\nstopped here\r\n", 1},
      {"deep recursion", "qel f(n) return f(n + 1); end qel;\nf(0);\n",
       "Stack overflow: call depth limit reached\r\n", 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const RunResult run = Run({WriteScript(u"script.qel", c.source)});
    EXPECT_EQ(run.output, c.output);
    EXPECT_EQ(run.status, c.status);
  }
}

TEST_P(RunnerStatus, NoScriptShowsTheUsage) {
  const RunResult bare = Run({});
  EXPECT_EQ(bare.output, kUsage);
  EXPECT_EQ(bare.status, 2);
  const RunResult missing = Run({Path(u"missing.qel")});
  EXPECT_EQ(missing.output, kUsage);
  EXPECT_EQ(missing.status, 2);
  // Verbose shows it first and again when nothing is found.
  EXPECT_EQ(Run({u"-v", Path(u"missing.qel")}).output, kUsage + kUsage);
}

TEST_P(RunnerStatus, UnreadableCompiledFileFails) {
  WriteFile(u"broken.qob", "no image here");
  const RunResult run = Run({Path(u"broken.qob")});
  EXPECT_EQ(run.output, "Bad file format!\r\n");
  EXPECT_EQ(run.status, 1);
}

INSTANTIATE_TEST_SUITE_P(Runners, RunnerStatus, testing::ValuesIn(Runners()), RunnerName);

}  // namespace
