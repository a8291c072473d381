// Texts across the COM boundary: OLE strings (BSTR) made from script texts of
// any width, and script texts of the build's kind made from OLE strings.
#pragma once
#include <windows.h>
#include <ole2.h>

#include <string>
#include <string_view>

#include "runtime/text.h"
#include "runtime/value/value.h"

namespace host {

using namespace runtime;

// A new OLE string the caller frees with SysFreeString; raises when out of memory.
BSTR ToOleStr(std::u16string_view text);
// The text of a text value (types 8, 256, 258) as a new OLE string; qel's
// own texts go through AnsiToOleStr.
BSTR ToOleStr(const Value& text);
// A script text (names, messages, values) as the wide text COM is given.
std::u16string OleTextOf(TextView text);
// A null BSTR reads as the empty text.
void SetTextFromOle(Value& target, BSTR text);
Text TextFromOle(const wchar_t* text, size_t length);

#ifdef QEL_ANSI
// qel's 8-bit text as wide text for COM: through the script's default code
// page ("defaultCodePage") when one is set, else the system's ANSI code page.
std::u16string AnsiToOleStr(std::string_view text);
// The text in the default code page with no conversion flags; empty when the
// code page converts nothing.
std::u16string WideFromAnsiCodePage(std::string_view text);
#endif

}  // namespace host
