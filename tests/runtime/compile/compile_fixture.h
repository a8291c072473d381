// Compiles and runs texts and files for the compile tests: a compile context
// that lists its messages, a recording runner, and checks that every node is
// gone afterwards.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/compile/compiler.h"
#include "runtime/compile/module_loader.h"
#include "runtime/error.h"
#include "support/error_of.h"
#include "support/recording_context.h"
#include "support/temp_folder.h"
#include "support/test_compilers.h"
#include "support/text_util.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/block.h"

using namespace runtime;

class CompileTest : public TempFolderTest {
protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    ListedMessages().clear();
    nodesBefore_ = CNode::LiveCount();
  }

  void TearDown() override {
    for (CModule* module : modules_) UnloadModules(module);
    EXPECT_EQ(CNode::LiveCount(), nodesBefore_) << "nodes left alive";
    TempFolderTest::TearDown();
  }

  // Unloaded when the test ends.
  CModule* Keep(CModule* module) {
    modules_.push_back(module);
    return module;
  }
  CModule* Compile(const char* source, TCompilerClass compilerClass = &NewListingCompiler) {
    return Keep(LoadModule(Widen(source), compilerClass, nullptr, {}));
  }
  CModule* LoadFile(std::u16string_view name, TCompilerClass compilerClass = &NewListingCompiler) {
    return Keep(LoadModuleFile(TextFromUtf16(Path(name)), nullptr, compilerClass));
  }
  // What the module prints when it runs.
  std::string Output(CModule* module) {
    auto* context = new RecordingContext();
    module->Execute(*context);
    const std::string output = Narrow(context->output);
    context->Release();
    return output;
  }

private:
  std::vector<CModule*> modules_;
  int32_t nodesBefore_ = 0;
};
