#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "../parse/text_util.h"
#include "../runtime/recording_context.h"
#include "../support/corpus_files.h"
#include "compile/compiler.h"
#include "compile/module_loader.h"
#include "compile/module_search.h"
#include "error.h"
#include "lib/context.h"
#include "parse/key_alias.h"
#include "platform/files.h"
#include "startup/runtime_init.h"
#include "sys/os_text.h"
#include "tree/module.h"
#ifdef QEL_WITH_HOST
#include "host/host_init.h"
#endif

// Every name.qel of the scripts folder runs in-process as the runner runs it,
// with the runtime's libraries, and what it shows must be the bytes of
// name.out. A name.key beside it is
// loaded as the key-alias file first.
namespace {

const std::u16string kFolder = u"" QEL_SCRIPTS u"/";

// The messages of every compile context of one script, in order.
std::vector<Text>& Messages() {
  static std::vector<Text> messages;
  return messages;
}

class CListingCompiler : public CCompiler {
public:
  void ReportError(TextView message) override { Messages().emplace_back(message); }
};

CCompiler* NewListingCompiler() { return new CListingCompiler(); }

bool ReadBytes(const std::u16string& path, std::string& bytes) { return platform::ReadWholeFile(path, bytes); }

Text Lines(const std::vector<Text>& messages) {
  Text lines;
  for (const Text& message : messages) lines += message + QT("\r\n");
  return lines;
}

// Compile messages, then the output, then the message of the error that
// stopped the compile or the run, each message on a line of its own.
Text RunScript(const Text& path) {
  Messages().clear();
  auto* context = new RecordingContext();
  SetCurrentContext(context);
  CModule* module = nullptr;
  Text stopped;
  try {
    module = LoadModuleFile(path, nullptr, &NewListingCompiler);
    module->Execute(*context);
  } catch (const EScriptError& error) {
    stopped = error.Message() + QT("\r\n");
  }
  const Text shown = Lines(Messages()) + context->output + stopped;
  UnloadModules(module);
  SetCurrentContext(nullptr);
  context->Release();
  return shown;
}

// Paths in messages differ between machines.
std::string WithFolderHidden(std::string shown) {
  const std::string folder = Narrow(ExpandFileName(TextFromUtf16(kFolder)));
  for (size_t at; (at = shown.find(folder)) != std::string::npos;) shown.replace(at, folder.size(), "<scripts>/");
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
  ASSERT_TRUE(ReadBytes(base + u".out", expected)) << "no .out file";
  std::string keys;
  if (ReadBytes(base + u".key", keys)) LoadKeyAliasText(Widen(keys));
  const int32_t nodesBefore = CNode::LiveCount();
  const std::string shown = WithFolderHidden(Narrow(RunScript(TextFromUtf16(base + u".qel"))));
  ClearKeyAliases();
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(CNode::LiveCount(), nodesBefore) << "nodes left alive";
}

INSTANTIATE_TEST_SUITE_P(Corpus, Script, testing::ValuesIn(ScriptCaseNames(kFolder)),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
