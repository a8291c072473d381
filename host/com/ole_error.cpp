#include "host/com/ole_error.h"

#include <cstdio>

#include "host/com/ole_text.h"
#include "runtime/error.h"

using namespace runtime;

namespace host {

Text OleErrorText(HRESULT status) {
  wchar_t* buffer = nullptr;
  DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
      DWORD(status), 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  // The system's texts end with a line break and often a full stop before it.
  while (length > 0 && (buffer[length - 1] == L'\r' || buffer[length - 1] == L'\n' || buffer[length - 1] == L' '))
    --length;
  Text text;
  if (length > 0) text = TextFromOle(buffer, length);
  if (buffer) LocalFree(buffer);
  if (!text.empty()) return text;
  char code[32];
  std::snprintf(code, sizeof code, "OLE error %.8lx", static_cast<unsigned long>(status));
  for (const char* c = code; *c; ++c) text += Char(*c);
  return text;
}

void RaiseOleError(HRESULT status) { RaiseError(OleErrorText(status)); }

}  // namespace host
