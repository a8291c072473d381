#include "platform/paths.h"
#include "platform/win32/wide.h"

namespace platform {

std::u16string CurrentFolder() {
  return detail::GrowingText([](wchar_t* buffer, DWORD size) { return ::GetCurrentDirectoryW(size, buffer); });
}

bool SetCurrentFolder(const std::u16string& path) { return ::SetCurrentDirectoryW(detail::Wide(path)) != 0; }

std::u16string FullPath(const std::u16string& name) {
  return detail::GrowingText([&](wchar_t* buffer, DWORD size) {
    return ::GetFullPathNameW(detail::Wide(name), size, buffer, nullptr);
  });
}

std::u16string ProgramPath() {
  return detail::GrowingText([](wchar_t* buffer, DWORD size) { return ::GetModuleFileNameW(nullptr, buffer, size); });
}

}  // namespace platform
