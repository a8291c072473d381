// libFuzzer entry: every input goes through the JSON reader and writer
// (docs/fuzzing.md).
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "json_fuzz_run.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string problem = RunJsonInput(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!problem.empty()) {
    std::fputs(problem.c_str(), stderr);
    std::abort();
  }
  return 0;
}
