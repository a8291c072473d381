#include "runtime/builtin/script_settings.h"

#include "platform/paths.h"
#include "runtime/sys/sys_util.h"

namespace runtime {

namespace {

std::vector<Text>& Arguments() {
  static std::vector<Text> arguments;
  return arguments;
}

int32_t defaultCodePage = 0;

}  // namespace

void SetProgramArguments(std::vector<Text> arguments) { Arguments() = std::move(arguments); }

Text ProgramArgument(int32_t index) {
  if (index == 0) return TextFromUtf16(platform::ProgramPath());
  if (index < 0 || size_t(index) > Arguments().size()) return {};
  return Arguments()[size_t(index) - 1];
}

int32_t DefaultCodePage() { return defaultCodePage; }

void SetDefaultCodePage(int32_t codePage) { defaultCodePage = codePage; }

}  // namespace runtime
