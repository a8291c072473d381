#include <fcntl.h>
#include <unistd.h>

#include "platform/console.h"

// A POSIX process always shares its parent's terminal, if there is one.
namespace platform {

bool AttachParentConsole() { return ::fcntl(STDOUT_FILENO, F_GETFD) != -1; }

bool DetachConsole() { return true; }

FileHandle StandardHandle(StdStream stream) {
  const int fd = stream == StdStream::Input ? STDIN_FILENO : stream == StdStream::Output ? STDOUT_FILENO : STDERR_FILENO;
  return ::fcntl(fd, F_GETFD) == -1 ? kInvalidFile : fd;
}

bool IsTerminal(FileHandle file) { return ::isatty(static_cast<int>(file)) == 1; }

}  // namespace platform
