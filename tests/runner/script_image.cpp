#include "script_image.h"

#include <gtest/gtest.h>

#include "../image/node_writer.h"
#include "../parse/text_util.h"
#include "compile/compiler.h"
#include "compile/module_loader.h"
#include "startup/runtime_init.h"
#include "tree/module.h"

namespace {

class CFailingCompiler : public CCompiler {
public:
  void ReportError(TextView message) override { ADD_FAILURE() << Narrow(message); }
};

CCompiler* NewFailingCompiler() { return new CFailingCompiler(); }

}  // namespace

std::string ScriptImage(std::string_view source) {
  InitRuntimeLibraries();
  CModule* module = LoadModule(Widen(source), &NewFailingCompiler, nullptr, QT(""));
  std::string image = NodeImage(module);
  UnloadModules(module);
  return image;
}
