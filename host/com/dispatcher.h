// Late-bound invocation of one member of an automation object.
#pragma once
#include <windows.h>
#include <ole2.h>

#include <string>
#include <vector>

#include "runtime/lib/context.h"

namespace host {

using namespace runtime;

// Raises what a failed Invoke reported: the server's description, else the
// system's text of its status. Frees the strings of info.
[[noreturn]] void RaiseInvokeError(HRESULT status, EXCEPINFO& info);

// Arguments first to last; a put's value is the last one. Raises the
// server's error on failure; result may be null when none is wanted.
void InvokeMember(IDispatch* object, const std::u16string& name, CallKind kind, std::vector<VARIANT>& args,
                  VARIANT* result);

}  // namespace host
