// libFuzzer entry over the compile path: every input is compiled as a module
// (scanner, parser, tree builder, "use" search) and unloaded again
// (docs/fuzzing.md).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "runtime/compile/compiler.h"
#include "runtime/compile/module_loader.h"
#include "runtime/error.h"
#include "fuzz_run.h"
#include "runtime/startup/runtime_init.h"
#include "support/test_compilers.h"
#include "support/text_util.h"
#include "runtime/tree/node.h"

using namespace runtime;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitRuntimeLibraries();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (NamesDevice(bytes)) return -1;
  const int32_t nodesBefore = CNode::LiveCount();
  try {
    UnloadModules(LoadModule(Widen(bytes), &NewQuietCompiler, nullptr, {}));
  } catch (const EScriptError&) {
    // A missing base class or an unreadable "use" file ends a compile.
  }
  // Nodes still held after unloading (a cycle, a static) are a leak the
  // sanitizer would only report at exit, far from the input that made it.
  if (CNode::LiveCount() != nodesBefore) std::abort();
  return 0;
}
