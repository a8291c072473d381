#include "runtime/value/text_access.h"

#include "runtime/error.h"
#include "platform/codepage.h"

namespace runtime {

size_t TextLength(const Value& text) {
  return VisitText(text, [](auto view) { return view.size(); });
}

std::u16string Utf16Of(const Value& text) {
  if (text.Type() == varString) {
    const TextRep8* rep = text.Text8();
    return rep ? DecodeAnsi(rep->View(), rep->codePage) : std::u16string();
  }
  const TextRep16* rep = text.Text16();
  return rep ? std::u16string(rep->View()) : std::u16string();
}

#ifdef QEL_ANSI
Text BuildTextOf(const Value& text) {
  const TextRep8* rep = text.Type() == varString ? text.Text8() : nullptr;
  if (rep && IsSystemCodePage(rep->codePage)) return Text(rep->View());
  return EncodeAnsi(Utf16Of(text), 0);
}
#else
Text BuildTextOf(const Value& text) { return Utf16Of(text); }
#endif

Text TextFromAscii(std::string_view ascii) { return Text(ascii.begin(), ascii.end()); }

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

}  // namespace runtime
