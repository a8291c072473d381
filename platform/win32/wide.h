// UTF-16 names to and from the W calls of Win32.
#pragma once
#include <windows.h>

#include <algorithm>
#include <string>

#include "platform/files.h"

namespace platform::detail {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide text is UTF-16");

inline const wchar_t* Wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

inline std::u16string FromWide(const wchar_t* text, std::size_t length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), length);
}

inline HANDLE Native(FileHandle file) { return reinterpret_cast<HANDLE>(file); }

inline FileHandle FromNative(HANDLE handle) { return reinterpret_cast<FileHandle>(handle); }

// For calls that return the length written, or at least the buffer size when
// the buffer is too small, and 0 on failure (which gives an empty text).
template <typename Fill>
std::u16string GrowingText(Fill fill) {
  std::wstring buffer(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = static_cast<DWORD>(buffer.size());
    const DWORD length = fill(buffer.data(), size);
    if (length == 0) return {};
    if (length < size) return FromWide(buffer.data(), length);
    buffer.resize(std::max<std::size_t>(length + 1, buffer.size() * 2));
  }
}

}  // namespace platform::detail
