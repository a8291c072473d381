// Zero-terminated texts at native addresses, read into the runtime's text.
// A null address reads as the empty text.
#pragma once
#include "runtime/text.h"
#include "host/signature.h"

namespace host {

using namespace runtime;

// 8-bit text in the system code page.
Text AnsiTextAt(NativeWord address);
// UTF-16 text.
Text WideTextAt(NativeWord address);
// A system string (its byte length stands before the characters): the low
// byte of each unit, read as 8-bit text in the system code page.
Text NarrowedSystemStringAt(NativeWord address);

}  // namespace host
