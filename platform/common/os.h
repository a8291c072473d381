// OS primitives under the shared parts of the platform layer.
#pragma once
#include <string>
#include <string_view>

namespace platform::detail {

// Creates one folder whose parent exists.
bool CreateOneFolder(const std::u16string& path);

// Code pages other than UTF-8 and UTF-16, through the OS converter.
bool OsDecode(int codePage, std::string_view bytes, std::u16string& text);
bool OsEncode(int codePage, std::u16string_view text, std::string& bytes);

// The system's text for a code before trimming; empty when it has none.
std::u16string OsErrorText(int code);

}  // namespace platform::detail
