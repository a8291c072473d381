#include <unistd.h>

#include "platform/message_box.h"
#include "platform/common/unicode.h"

namespace platform {

void ShowMessageBox(const std::u16string& title, const std::u16string& text) {
  const std::string bytes = detail::Utf16ToUtf8(title + u"\n" + text + u"\n", detail::BadBytes::Replace);
  // Without standard error either there is no one left to tell.
  if (::write(STDERR_FILENO, bytes.data(), bytes.size()) < 0) return;
}

}  // namespace platform
