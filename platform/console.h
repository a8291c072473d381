// The console and the three standard handles.
#pragma once
#include "platform/files.h"

namespace platform {

enum class StdStream { Input, Output, Error };

// Joins the parent's console; natively true when standard output is usable.
bool AttachParentConsole();
bool DetachConsole();
// kInvalidFile when the process has no such handle.
FileHandle StandardHandle(StdStream stream);
bool IsTerminal(FileHandle file);

}  // namespace platform
