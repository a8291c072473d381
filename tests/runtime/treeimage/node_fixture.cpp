#include "node_fixture.h"

#include "runtime/compile/module_loader.h"
#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "support/node_writer.h"
#include "support/run_capture.h"
#include "runtime/tree/block.h"
#include "runtime/treeimage/module_image.h"

using namespace runtime;

void CBoundedContext::BeforeStatement(CNode* node) {
  if (--left_ < 0) RaiseError(QT("statements spent"));
  CContext::BeforeStatement(node);
}

std::string RunModule(CModule* module, int32_t statements) {
  auto* context = new CBoundedContext(statements);
  std::string stopped;
  try {
    module->Execute(*context);
  } catch (const EScriptError& error) {
    stopped = std::string("error: ") + error.what();
  }
  const std::string shown = Utf8Of(context->output) + stopped;
  context->Release();
  return shown;
}

std::string RunWithLibraries(CModule* module) { return RunCapturing(module).Shown(); }

std::string LoadAndRun(std::string image, int32_t statements) {
  CModule* module = nullptr;
  try {
    module = LoadModuleImage(std::move(image));
  } catch (const EScriptError& error) {
    return std::string("refused: ") + error.what();
  }
  const std::string shown = RunModule(module, statements);
  UnloadModules(module);
  return shown;
}

void NodeImageTest::SetUp() { InitCompiledImages(); }
