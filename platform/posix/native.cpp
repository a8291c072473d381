#include "platform/posix/native.h"

#include <algorithm>

#include "platform/common/unicode.h"

namespace platform::detail {

std::string NativePath(std::u16string_view path) {
  std::string bytes = NativeText(path);
  std::replace(bytes.begin(), bytes.end(), '\\', '/');
  return bytes;
}

std::string NativeText(std::u16string_view text) { return Utf16ToUtf8(text, BadBytes::Escape); }

std::u16string FromNative(std::string_view bytes) { return Utf8ToUtf16(bytes, BadBytes::Escape); }

}  // namespace platform::detail
