#include "script_image.h"

#include <gtest/gtest.h>

#include "compile/compiler.h"
#include "compile/module_loader.h"
#include "startup/runtime_init.h"
#include "support/node_writer.h"
#include "support/test_compilers.h"
#include "support/text_util.h"
#include "tree/block.h"

std::string ScriptImage(std::string_view source) {
  InitRuntimeLibraries();
  CModule* module = LoadModule(Widen(source), &NewFailingCompiler, nullptr, QT(""));
  std::string image = NodeImage(module);
  UnloadModules(module);
  return image;
}
