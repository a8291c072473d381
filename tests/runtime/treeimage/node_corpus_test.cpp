// Every script of the corpus, compiled, written as an image before it runs,
// and read back: the image must run as the compiled module does.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "runtime/compile/compiler.h"
#include "runtime/compile/module_loader.h"
#include "runtime/error.h"
#include "node_fixture.h"
#include "runtime/parse/key_alias.h"
#include "platform/files.h"
#include "runtime/startup/runtime_init.h"
#include "support/corpus_files.h"
#include "support/node_writer.h"
#include "support/test_compilers.h"
#include "support/text_util.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/block.h"
#include "runtime/treeimage/module_image.h"

using namespace runtime;

namespace {

const std::u16string kFolder = u"" QEL_SCRIPTS u"/";

// Modules that use each other hold each other, a cycle that images refuse.
const std::set<std::string> kModulesUsingEachOther = {"modules"};

// A script's name.key holds its key aliases, where the build has them.
CModule* CompileWithKeys(const std::u16string& base) {
#ifdef QEL_ANSI
  return LoadModuleFile(TextFromUtf16(base + u".qel"), nullptr, &NewQuietCompiler);
#else
  std::string keys;
  if (platform::ReadWholeFile(base + u".key", keys)) LoadKeyAliasText(Widen(keys));
  try {
    CModule* compiled = LoadModuleFile(TextFromUtf16(base + u".qel"), nullptr, &NewQuietCompiler);
    ClearKeyAliases();
    return compiled;
  } catch (...) {
    ClearKeyAliases();
    throw;
  }
#endif
}

class CorpusImage : public NodeImageTest, public testing::WithParamInterface<std::string> {
protected:
  void SetUp() override {
    NodeImageTest::SetUp();
    InitRuntimeLibraries();
  }
};

TEST_P(CorpusImage, RunsAsTheCompiledModule) {
  const std::u16string base = kFolder + Utf16FromText(Widen(GetParam()));
  CModule* compiled = nullptr;
  try {
    compiled = CompileWithKeys(base);
  } catch (const EScriptError&) {
    GTEST_SKIP() << "the script does not compile";
  }
  const std::string image = NodeImage(compiled);
  if (kModulesUsingEachOther.contains(GetParam())) {
    EXPECT_EQ(LoadAndRun(image), "refused: " + kBadFormat);
  } else {
    CModule* loaded = LoadModuleImage(image);
    EXPECT_EQ(RunWithLibraries(loaded), RunWithLibraries(compiled));
    UnloadModules(loaded);
  }
  UnloadModules(compiled);
}

INSTANTIATE_TEST_SUITE_P(Corpus, CorpusImage, testing::ValuesIn(ScriptCaseNames(kFolder)),
                         [](const testing::TestParamInfo<std::string>& info) { return info.param; });

}  // namespace
