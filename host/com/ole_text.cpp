#include "host/com/ole_text.h"

#include "platform/codepage.h"
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

// The same decoder "defaultCodePage" is checked against, so that every code
// page the setting accepts converts.
std::u16string WideFromAnsiCodePage(std::string_view text) {
  std::u16string wide;
  if (!platform::DecodeCodePage(DefaultCodePage(), text, wide)) wide.clear();
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
