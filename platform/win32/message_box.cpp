#include "platform/message_box.h"
#include "platform/win32/wide.h"

namespace platform {

void ShowMessageBox(const std::u16string& title, const std::u16string& text) {
  ::MessageBoxW(nullptr, detail::Wide(text), detail::Wide(title), MB_OK | MB_ICONINFORMATION);
}

}  // namespace platform
