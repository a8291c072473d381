#include "platform/arguments.h"
#include "platform/win32/wide.h"

#include <cwchar>

// After <windows.h>, which wide.h brings in.
#include <shellapi.h>

namespace platform {

std::vector<std::u16string> CommandLineArguments(int, char**) {
  std::vector<std::u16string> arguments;
  int count = 0;
  wchar_t** split = ::CommandLineToArgvW(::GetCommandLineW(), &count);
  if (!split) return arguments;
  for (int i = 1; i < count; ++i) arguments.push_back(detail::FromWide(split[i], std::wcslen(split[i])));
  ::LocalFree(split);
  return arguments;
}

}  // namespace platform
