#include <cerrno>
#include <cstring>
#include <string>

#include "platform/common/os.h"
#include "platform/errors.h"
#include "platform/posix/library_error.h"
#include "platform/posix/native.h"

namespace platform {
namespace {

thread_local std::string libraryText;

}  // namespace

int LastError() { return errno; }

void SetLastError(int code) { errno = code; }

namespace detail {

void SetLibraryError(const char* text) {
  libraryText = text ? text : "";
  errno = kLibraryError;
}

const char* LibraryErrorText() { return libraryText.c_str(); }

std::u16string OsErrorText(int code) {
  if (code == kLibraryError) return FromNative(libraryText);
  char buffer[256];
  return FromNative(strerror_r(code, buffer, sizeof buffer));
}

}  // namespace detail
}  // namespace platform
