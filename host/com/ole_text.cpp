#include "host/com/ole_text.h"

#include "runtime/error.h"
#include "runtime/sys/sys_util.h"
#include "runtime/value/text_access.h"

using namespace runtime;

namespace host {

BSTR ToOleStr(std::u16string_view text) {
  if (text.size() > 0x3FFFFFFF) RaiseError(QT("Text too long for an OLE string"));
  BSTR bstr = SysAllocStringLen(reinterpret_cast<const OLECHAR*>(text.data()), UINT(text.size()));
  if (!bstr) RaiseError(QT("Out of memory"));
  return bstr;
}

BSTR ToOleStr(const Value& text) { return ToOleStr(Utf16Of(text)); }

Text TextFromOle(const wchar_t* text, size_t length) {
  return TextFromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text), length));
}

void SetTextFromOle(Value& target, BSTR text) {
  target.SetText(text ? TextFromOle(text, SysStringLen(text)) : Text());
}

}  // namespace host
