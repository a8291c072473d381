// Runs as the run fuzzer makes them: sealed off from files and the process,
// and on a budget.
#include "compile_fixture.h"
#include "fuzz_run.h"
#include "platform/filesystem.h"
#include "runtime/startup/runtime_init.h"
#include "support/corpus_files.h"

using namespace runtime;

namespace {

class SealedRun : public CompileTest {
protected:
  void SetUp() override {
    CompileTest::SetUp();
    InitRuntimeLibraries();
  }

  // Each built-in that writes, moves or reads whole files, tried in turn.
  std::string FileProgram() const {
    const std::string a = Utf8(Path(u"a.txt")), b = Utf8(Path(u"b.txt")), c = Utf8(Path(u"c.txt"));
    return "try \"" + a + "\".copy(\"" + b + "\"); except end try;\n" +
           "try \"" + a + "\".move(\"" + c + "\"); except end try;\n" +
           "try \"" + b + "\".save(\"new\"); except end try;\n" +
           "try ?. \"" + a + "\".load(); except end try;\n";
  }
};

}  // namespace

TEST_F(SealedRun, LeavesFilesAsTheyWere) {
  WriteFile(u"a.txt", "A");
  {
    SealedRuns sealed;
    RunFuzzInput(FileProgram());
  }
  EXPECT_EQ(ReadFile(u"a.txt"), "A");
  EXPECT_FALSE(platform::FileExists(Path(u"b.txt")));
  EXPECT_FALSE(platform::FileExists(Path(u"c.txt")));
  // Unsealed, the same program does change them.
  Output(Compile(FileProgram().c_str()));
  EXPECT_TRUE(platform::FileExists(Path(u"c.txt")));
  EXPECT_EQ(ReadFile(u"b.txt"), "new");
}

TEST_F(SealedRun, StopsLoopsAndRecursionWithinTheBudget) {
  SealedRuns sealed;
  RunFuzzInput("while true do end do;");
  RunFuzzInput("qel f(n) return f(n + 1) & f(n + 1); end qel; ?. f(0);");
  RunFuzzInput("class C() var next = C(); end class; var c = C();");
}

// The parser's fuzz inputs run as programs: no crash, no sanitizer report,
// every node released.
TEST(RunCorpus, EveryFuzzInputRunsWithinItsBudget) {
  InitRuntimeLibraries();
  SealedRuns sealed;
  const int32_t nodesBefore = CNode::LiveCount();
  const int ran = ReplayCorpus(u"" QEL_PARSE_CORPUS, [&](const std::string& bytes) {
    if (!NamesDevice(bytes)) RunFuzzInput(bytes);
  });
  EXPECT_GT(ran, 0);
  EXPECT_EQ(CNode::LiveCount(), nodesBefore);
}
