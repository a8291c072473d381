// The system clipboard through user32, owned by a hidden window.
#pragma once
#include "toolkit/win32/windows_api.h"

#include "toolkit/graphics/backend.h"

namespace toolkit::win32 {

class Win32Clipboard : public ClipboardStore {
 public:
  explicit Win32Clipboard(HWND owner) : owner_(owner) {}
  bool Open() override;
  void Close() override { ::CloseClipboard(); }
  bool Empty() override { return ::EmptyClipboard() != 0; }
  bool HasFormat(ClipboardFormat format) override { return ::IsClipboardFormatAvailable(format) != 0; }
  bool GetData(ClipboardFormat format, std::vector<std::uint8_t>& data) override;
  bool SetData(ClipboardFormat format, const void* data, std::size_t size) override;
  ClipboardFormat RegisterFormat(StringView name) override;

 private:
  HWND owner_;
};

}  // namespace toolkit::win32
