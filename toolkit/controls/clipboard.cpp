#include "toolkit/controls/clipboard.h"

#include <cstring>

#include "toolkit/core/exceptions.h"

namespace toolkit {

void Clipboard::Open() {
  if (openCount_ == 0) {
    if (!CurrentBackend().Clipboard().Open()) throw Exception(messages::kCannotOpenClipboard);
    emptied_ = false;
  }
  ++openCount_;
}

void Clipboard::Close() {
  if (openCount_ == 0) return;
  if (--openCount_ == 0) CurrentBackend().Clipboard().Close();
}

void Clipboard::Adding() {
  // The first write of an open bracket replaces what was there before.
  if (!emptied_) {
    CurrentBackend().Clipboard().Empty();
    emptied_ = true;
  }
}

void Clipboard::Clear() {
  Open();
  CurrentBackend().Clipboard().Empty();
  emptied_ = true;
  Close();
}

bool Clipboard::HasFormat(ClipboardFormat format) {
  Open();
  const bool has = CurrentBackend().Clipboard().HasFormat(format);
  Close();
  return has;
}

String Clipboard::AsText() {
  const std::vector<std::uint8_t> bytes = GetBuffer(cfUnicodeText);
  String text(bytes.size() / 2, u'\0');
  if (!text.empty()) std::memcpy(text.data(), bytes.data(), text.size() * 2);
  const std::size_t end = text.find(u'\0');
  if (end != String::npos) text.resize(end);
  return text;
}

void Clipboard::SetAsText(StringView text) {
  String terminated(text);
  terminated += u'\0';
  SetBuffer(cfUnicodeText, terminated.data(), terminated.size() * 2);
}

std::vector<std::uint8_t> Clipboard::GetBuffer(ClipboardFormat format) {
  std::vector<std::uint8_t> data;
  Open();
  CurrentBackend().Clipboard().GetData(format, data);
  Close();
  return data;
}

void Clipboard::SetBuffer(ClipboardFormat format, const void* data, std::size_t size) {
  Open();
  Adding();
  const bool stored = CurrentBackend().Clipboard().SetData(format, data, size);
  Close();
  if (!stored) throw OutOfResources(messages::kOutOfResources);
}

ClipboardFormat Clipboard::RegisterFormat(StringView name) { return CurrentBackend().Clipboard().RegisterFormat(name); }

Clipboard& TheClipboard() {
  static Clipboard clipboard;
  return clipboard;
}

}  // namespace toolkit
