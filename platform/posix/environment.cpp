#include <cerrno>
#include <cstdlib>

#include "platform/environment.h"
#include "platform/posix/native.h"

namespace platform {

bool GetEnv(const std::u16string& name, std::u16string& value) {
  const char* text = std::getenv(detail::NativeText(name).c_str());
  if (!text) {
    errno = ENOENT;
    return false;
  }
  value = detail::FromNative(text);
  return true;
}

bool SetEnv(const std::u16string& name, const std::u16string& value) {
  return ::setenv(detail::NativeText(name).c_str(), detail::NativeText(value).c_str(), 1) == 0;
}

bool UnsetEnv(const std::u16string& name) { return ::unsetenv(detail::NativeText(name).c_str()) == 0; }

}  // namespace platform
