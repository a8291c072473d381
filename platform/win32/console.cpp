#include "platform/console.h"
#include "platform/win32/wide.h"

namespace platform {

bool AttachParentConsole() { return ::AttachConsole(ATTACH_PARENT_PROCESS) != 0; }

bool DetachConsole() { return ::FreeConsole() != 0; }

FileHandle StandardHandle(StdStream stream) {
  const DWORD which = stream == StdStream::Input ? STD_INPUT_HANDLE : stream == StdStream::Output ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE;
  const HANDLE handle = ::GetStdHandle(which);
  return handle == nullptr ? kInvalidFile : detail::FromNative(handle);
}

bool IsTerminal(FileHandle file) {
  DWORD mode = 0;
  const HANDLE handle = detail::Native(file);
  return ::GetFileType(handle) == FILE_TYPE_CHAR && ::GetConsoleMode(handle, &mode);
}

}  // namespace platform
