#include "platform/arguments.h"
#include "platform/posix/native.h"

namespace platform {

std::vector<std::u16string> CommandLineArguments(int argc, char** argv) {
  std::vector<std::u16string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(detail::FromNative(argv[i]));
  return arguments;
}

}  // namespace platform
