#include "editor/text_clipboard.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "editor/unicode_text.h"
#include "toolkit/controls/clipboard.h"

namespace editor {
namespace {

// Keeps the clipboard open for one operation, also when it fails.
class OpenClipboard {
 public:
  OpenClipboard() : clipboard_(toolkit::TheClipboard()) { clipboard_.Open(); }
  ~OpenClipboard() { clipboard_.Close(); }
  OpenClipboard(const OpenClipboard&) = delete;
  OpenClipboard& operator=(const OpenClipboard&) = delete;
  toolkit::Clipboard* operator->() { return &clipboard_; }

 private:
  toolkit::Clipboard& clipboard_;
};

std::uint32_t ClipboardLocale(OpenClipboard& clipboard) {
  const std::vector<std::uint8_t> bytes = clipboard->GetBuffer(toolkit::cfLocale);
  std::uint32_t locale = 0;
  if (bytes.size() >= sizeof(locale)) std::memcpy(&locale, bytes.data(), sizeof(locale));
  return locale;
}

}  // namespace

bool ClipboardHasText() {
  OpenClipboard clipboard;
  return clipboard->HasFormat(toolkit::cfUnicodeText) || clipboard->HasFormat(toolkit::cfText);
}

toolkit::String ReadClipboardText() {
  OpenClipboard clipboard;
  if (clipboard->HasFormat(toolkit::cfUnicodeText)) return clipboard->AsText();
  if (!clipboard->HasFormat(toolkit::cfText)) return {};
  const std::vector<std::uint8_t> bytes = clipboard->GetBuffer(toolkit::cfText);
  std::string text(bytes.begin(), bytes.end());
  text.resize(std::strlen(text.c_str()));  // up to the terminating zero
  return AnsiToUnicode(text, LocaleCodePage(ClipboardLocale(clipboard)));
}

void WriteClipboardText(toolkit::StringView text) {
  if (text.empty()) return;
  OpenClipboard clipboard;
  clipboard->SetAsText(text);
}

toolkit::ClipboardFormat BlockClipboardFormat() {
  return toolkit::Clipboard::RegisterFormat(u"CodeEdit Control Block Type");
}

}  // namespace editor
