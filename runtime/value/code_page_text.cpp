#include "code_page_text.h"

#include "../error.h"
#include "platform/codepage.h"

namespace {

[[noreturn]] void RaiseUnknownCodePage(uint16_t codePage) {
  std::string digits = std::to_string(codePage);
  RaiseError(QT("Unknown code page ") + Text(digits.begin(), digits.end()));
}

}  // namespace

std::u16string DecodeAnsi(std::string_view bytes, uint16_t codePage) {
  std::u16string text;
  if (!platform::DecodeCodePage(codePage, bytes, text)) RaiseUnknownCodePage(codePage);
  return text;
}

std::string EncodeAnsi(std::u16string_view text, uint16_t codePage) {
  std::string bytes;
  if (!platform::EncodeCodePage(codePage, text, bytes)) RaiseUnknownCodePage(codePage);
  return bytes;
}

bool IsSystemCodePage(uint16_t codePage) {
  return codePage == 0 || codePage == platform::SystemCodePage();
}
