#include "script_image.h"

#include <gtest/gtest.h>

#include "runtime/compile/compiler.h"
#include "runtime/compile/module_loader.h"
#include "runtime/startup/runtime_init.h"
#include "support/node_writer.h"
#include "support/test_compilers.h"
#include "support/text_util.h"
#include "runtime/tree/block.h"

using namespace runtime;

std::string ScriptImage(std::string_view source) {
  InitRuntimeLibraries();
  CModule* module = LoadModule(Widen(source), &NewFailingCompiler, nullptr, QT(""));
  std::string image = NodeImage(module);
  UnloadModules(module);
  return image;
}
