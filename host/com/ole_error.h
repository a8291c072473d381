// OLE status codes as script errors.
#pragma once
#include <windows.h>

#include "runtime/text.h"

namespace host {

using namespace runtime;

// The system's message for the status, or "OLE error %.8x" without one.
Text OleErrorText(HRESULT status);
[[noreturn]] void RaiseOleError(HRESULT status);
// Raises for a failing status; does nothing for a success.
inline void CheckOle(HRESULT status) {
  if (FAILED(status)) RaiseOleError(status);
}

}  // namespace host
