#include <gtest/gtest.h>

#include <string>

#include "runtime/compile/module_loader.h"
#include "runtime/compile/module_search.h"
#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "runtime/startup/runtime_init.h"
#include "runtime/parse/key_alias.h"
#include "platform/files.h"
#include "support/corpus_files.h"
#include "support/run_capture.h"
#include "support/test_compilers.h"
#include "support/text_util.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/block.h"

#ifdef QEL_WITH_HOST
#include "host/startup/host_init.h"
#endif

using namespace runtime;

// Every name.qel of the scripts folder runs in-process as the runner runs it,
// with the runtime's libraries, and what it shows must be the bytes of
// name.out (name.out8 in the 8-bit build, where it has one). A name.key
// beside it is loaded as the key-alias file first where the build has them.
namespace {

const std::u16string kFolder = u"" QEL_SCRIPTS u"/";
constexpr bool kEightBit = sizeof(Char) == 1;

bool ReadBytes(const std::u16string& path, std::string& bytes) { return platform::ReadWholeFile(path, bytes); }

// Compile messages, then the output, then the message of the error that
// stopped the compile or the run, each message on a line of its own.
std::string RunScript(const Text& path) {
  ListedMessages().clear();
  const RunCapture run = LoadAndRunCapturing([&] { return LoadModuleFile(path, nullptr, &NewListingCompiler); });
  std::string shown;
  for (const std::string& message : ListedMessages()) shown += message + "\r\n";
  shown += run.output;
  if (run.stopped) shown += run.error + "\r\n";
  return shown;
}

class Script : public testing::TestWithParam<std::string> {};

TEST_P(Script, ShowsWhatItsOutFileHolds) {
  InitRuntimeLibraries();
#ifdef QEL_WITH_HOST
  host::InitHostLibraries();
#endif
  const std::u16string base = kFolder + Utf16FromText(Widen(GetParam()));
  std::string expected;
  ASSERT_TRUE(ReadBytes(ExpectedOutputPath(base, kEightBit), expected)) << "no .out file";
#ifndef QEL_ANSI
  std::string keys;
  if (ReadBytes(base + u".key", keys)) LoadKeyAliasText(Widen(keys));
#endif
  const int32_t nodesBefore = CNode::LiveCount();
  const std::string shown = WithFolderHidden(RunScript(TextFromUtf16(base + u".qel")), kFolder);
#ifndef QEL_ANSI
  ClearKeyAliases();
#endif
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(CNode::LiveCount(), nodesBefore) << "nodes left alive";
}

INSTANTIATE_TEST_SUITE_P(Corpus, Script, testing::ValuesIn(ScriptCaseNames(kFolder)),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
