// The clipboard: text and custom formats, opened once per operation or
// around several through Open and Close.
#pragma once
#include <cstdint>
#include <vector>

#include "toolkit/core/method.h"
#include "toolkit/graphics/backend.h"

namespace toolkit {

class Clipboard : public Object {
 public:
  // Nested opens share one; fails with "Cannot open clipboard".
  void Open();
  void Close();
  void Clear();
  bool HasFormat(ClipboardFormat format);
  // Unicode text; empty when the clipboard holds none.
  String AsText();
  void SetAsText(StringView text);
  std::vector<std::uint8_t> GetBuffer(ClipboardFormat format);
  // Replaces the clipboard's content with this format alone unless opened
  // around several calls.
  void SetBuffer(ClipboardFormat format, const void* data, std::size_t size);
  static ClipboardFormat RegisterFormat(StringView name);

 private:
  void Adding();
  int openCount_ = 0;
  bool emptied_ = false;
};

Clipboard& TheClipboard();

}  // namespace toolkit
