// Names between UTF-16 and the UTF-8 bytes of the POSIX calls.
#pragma once
#include <string>
#include <string_view>

namespace platform::detail {

// UTF-8 with "\\" turned into "/".
std::string NativePath(std::u16string_view path);
std::string NativeText(std::u16string_view text);
std::u16string FromNative(std::string_view bytes);

}  // namespace platform::detail
