#include "toolkit/win32/win32_clipboard.h"

#include <cstring>

namespace toolkit::win32 {

bool Win32Clipboard::Open() {
  // Another program may hold it for a moment: a few tries before giving up.
  for (int attempt = 0; attempt < 10; ++attempt) {
    if (::OpenClipboard(owner_)) return true;
    ::Sleep(10);
  }
  return false;
}

bool Win32Clipboard::GetData(ClipboardFormat format, std::vector<std::uint8_t>& data) {
  HANDLE handle = ::GetClipboardData(format);
  if (!handle) return false;
  const void* memory = ::GlobalLock(handle);
  if (!memory) return false;
  const SIZE_T size = ::GlobalSize(handle);
  const auto* bytes = static_cast<const std::uint8_t*>(memory);
  data.assign(bytes, bytes + size);
  ::GlobalUnlock(handle);
  return true;
}

bool Win32Clipboard::SetData(ClipboardFormat format, const void* data, std::size_t size) {
  HGLOBAL block = ::GlobalAlloc(GMEM_MOVEABLE | GMEM_DDESHARE, size == 0 ? 1 : size);
  if (!block) return false;
  void* memory = ::GlobalLock(block);
  if (!memory) {
    ::GlobalFree(block);
    return false;
  }
  if (size) std::memcpy(memory, data, size);
  ::GlobalUnlock(block);
  if (!::SetClipboardData(format, block)) {
    ::GlobalFree(block);
    return false;
  }
  return true;
}

ClipboardFormat Win32Clipboard::RegisterFormat(StringView name) {
  if (name.empty()) return 0;
  const String terminated(name);
  return ::RegisterClipboardFormatW(reinterpret_cast<const wchar_t*>(terminated.c_str()));
}

}  // namespace toolkit::win32
