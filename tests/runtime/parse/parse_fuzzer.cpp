// libFuzzer entry: every input goes through key aliases, scanner, literal
// values and parser (docs/fuzzing.md).
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "front_end_run.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  RunFrontEnd(std::string_view(reinterpret_cast<const char*>(data), size));
  return 0;
}
