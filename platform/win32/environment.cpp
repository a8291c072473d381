#include "platform/environment.h"
#include "platform/win32/wide.h"

namespace platform {

bool GetEnv(const std::u16string& name, std::u16string& value) {
  std::wstring buffer;
  for (;;) {
    // 0 is both "not set" and an empty value; only the error tells them apart.
    const DWORD size = static_cast<DWORD>(buffer.size());
    ::SetLastError(ERROR_SUCCESS);
    const DWORD length = ::GetEnvironmentVariableW(detail::Wide(name), size ? buffer.data() : nullptr, size);
    if (length == 0 && ::GetLastError() != ERROR_SUCCESS) return false;
    if (length == 0 || length < size) {
      value = detail::FromWide(buffer.data(), length);
      return true;
    }
    buffer.resize(length);  // the size asked for includes the terminator
  }
}

bool SetEnv(const std::u16string& name, const std::u16string& value) {
  return ::SetEnvironmentVariableW(detail::Wide(name), detail::Wide(value)) != 0;
}

bool UnsetEnv(const std::u16string& name) { return ::SetEnvironmentVariableW(detail::Wide(name), nullptr) != 0; }

}  // namespace platform
