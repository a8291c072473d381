// Reading text values whatever their width, and 8-bit text in numbered code
// pages.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/value/value.h"

namespace runtime {

// Reading text values (types 8, 256 and 258) whatever their width.

// Calls f with the code units of a text value: a u16string_view for OLE and
// UTF-16 texts, a string_view for 8-bit texts.
template <class F>
decltype(auto) VisitText(const Value& text, F&& f) {
  if (text.Type() == varString) {
    const TextRep8* rep = text.Text8();
    return f(rep ? rep->View() : std::string_view());
  }
  const TextRep16* rep = text.Text16();
  return f(rep ? rep->View() : std::u16string_view());
}

size_t TextLength(const Value& text);
// The text of a text value in the build's text or in UTF-16.
Text BuildTextOf(const Value& text);
std::u16string Utf16Of(const Value& text);
Text TextFromAscii(std::string_view ascii);

// 8-bit text in a numbered code page to and from UTF-16. Code page 0 is the
// system code page.
std::u16string DecodeAnsi(std::string_view bytes, uint16_t codePage);
std::string EncodeAnsi(std::u16string_view text, uint16_t codePage);
// True when 8-bit text of this code page is already in the system code page.
bool IsSystemCodePage(uint16_t codePage);

}  // namespace runtime
