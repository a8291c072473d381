// Clipboard format numbers: the platform's predefined ones, and registered
// ones (from the backend's clipboard) for everything else.
#pragma once
#include <cstdint>

namespace toolkit {

using ClipboardFormat = std::uint32_t;
inline constexpr ClipboardFormat cfText = 1;
inline constexpr ClipboardFormat cfUnicodeText = 13;
inline constexpr ClipboardFormat cfLocale = 16;

}  // namespace toolkit
