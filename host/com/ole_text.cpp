#include "host/com/ole_text.h"

#include "runtime/builtin/script_settings.h"
#include "runtime/error.h"
#include "runtime/sys/sys_util.h"
#include "runtime/value/text_access.h"
#include "runtime/value/text_rep.h"

using namespace runtime;

namespace host {

BSTR ToOleStr(std::u16string_view text) {
  if (text.size() > 0x3FFFFFFF) RaiseError(QT("Text too long for an OLE string"));
  BSTR bstr = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), UINT(text.size()));
  if (!bstr) RaiseError(QT("Out of memory"));
  return bstr;
}

#ifdef QEL_ANSI

std::u16string WideFromAnsiCodePage(std::string_view text) {
  const int length = text.size() > 0x7FFFFFFF ? 0 : int(text.size());
  const UINT codePage = UINT(DefaultCodePage());
  const int needed = length ? ::MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0) : 0;
  if (needed <= 0) return {};
  std::u16string wide(size_t(needed), u'\0');
  const int written =
      ::MultiByteToWideChar(codePage, 0, text.data(), length, reinterpret_cast<wchar_t*>(wide.data()), needed);
  wide.resize(size_t(written > 0 ? written : 0));
  return wide;
}

std::u16string AnsiToOleStr(std::string_view text) {
  return DefaultCodePage() != 0 ? WideFromAnsiCodePage(text) : Utf16FromText(text);
}

std::u16string OleTextOf(TextView text) { return AnsiToOleStr(text); }

BSTR ToOleStr(const Value& text) {
  const TextRep8* own = text.Type() == varString ? text.Text8() : nullptr;
  if (own && own->codePage == 0) return ToOleStr(AnsiToOleStr(own->View()));
  return ToOleStr(Utf16Of(text));
}

#else

std::u16string OleTextOf(TextView text) { return std::u16string(text); }

BSTR ToOleStr(const Value& text) { return ToOleStr(Utf16Of(text)); }

#endif

Text TextFromOle(const wchar_t* text, size_t length) {
  return TextFromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text), length));
}

void SetTextFromOle(Value& target, BSTR text) {
  target.SetText(text ? TextFromOle(text, SysStringLen(text)) : Text());
}

}  // namespace host
