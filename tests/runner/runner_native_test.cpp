// Native calls through the built runners: the native-call example of the
// build's system runs cleanly, and a script error in a callback called by
// the system stops the script with its message and status 1, the process
// intact to report it.
#include "runner_fixture.h"

namespace {

using RunnerNative = RunnerTest;

#ifdef _WIN32
const char16_t* const kExample = u"windows.qel";
const std::string kExampleOutput = "top-level windows: True\r\nsorted: 3 7 11 19 25 42 \r\n";
const char* const kRaisingCallback =
    "var enumWindows = \"user32.dll\".GetApi(\"EnumWindows\", \"cii\");\n"
    "qel failing(window, data) raise \"the callback failed\"; end qel;\n"
    "?. \"before\";\n"
    "enumWindows(failing.@toCallback(type: \"uuvi\"), 0);\n"
    "?. \"after\";\n";
#else
const char16_t* const kExample = u"sort_linux.qel";
const std::string kExampleOutput = "sorted: 3 7 11 19 25 42 \r\nstrlen of hello: 5\r\n";
const char* const kRaisingCallback =
    "var qsort = \"libc.so.6\".GetApi(\"qsort\", \"pnncv\");\n"
    "qel failing(a, b) raise \"the callback failed\"; end qel;\n"
    "?. \"before\";\n"
    "qsort(\"abcd\", 4, 1, failing.@toCallback(type: \"uuvi\"));\n"
    "?. \"after\";\n";
#endif

TEST_P(RunnerNative, TheNativeExampleRunsCleanly) {
  const RunResult run = Run({ExamplesFolder() + u"native/" + kExample});
  EXPECT_EQ(run.output, kExampleOutput);
  EXPECT_EQ(run.status, 0);
}

TEST_P(RunnerNative, AScriptErrorInACallbackStopsTheScript) {
  const RunResult run = Run({WriteScript(u"script.qel", kRaisingCallback)});
  EXPECT_EQ(run.output, "before\r\nthe callback failed\r\n");
  EXPECT_EQ(run.status, 1);
}

#ifndef _WIN32
// The digest library is opened by the first digest, not at start-up: asked
// with RTLD_NOLOAD, the system hands out a handle only once it is loaded.
TEST_P(RunnerNative, TheDigestLibraryWaitsForTheFirstDigest) {
  const char* const script =
      "var dlopen = \"libc.so.6\".GetApi(\"dlopen\", \"aiv\");\n"
      "var name = \"" QEL_LIBCRYPTO_NAME "\";\n"
      "?. (dlopen(name, 5) <> 0) & \" \" & \"abc\".md5() & \" \" & (dlopen(name, 5) <> 0);\n";
  const RunResult run = Run({WriteScript(u"digest.qel", script)});
  EXPECT_EQ(run.output, "False 900150983cd24fb0d6963f7d28e17f72 True\r\n");
  EXPECT_EQ(run.status, 0);
}
#endif

INSTANTIATE_TEST_SUITE_P(Runners, RunnerNative, testing::ValuesIn(Runners()), RunnerName);

}  // namespace
