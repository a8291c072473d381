// libFuzzer entry over the whole path of a script: every input is compiled
// as a module, run with a small budget of statements and unloaded again
// (docs/fuzzing.md).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_run.h"
#include "runtime/startup/runtime_init.h"

using namespace runtime;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  InitRuntimeLibraries();
  static SealedRuns sealed;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  if (NamesDevice(bytes)) return -1;
  RunFuzzInput(bytes);
  return 0;
}
