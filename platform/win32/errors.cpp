#include "platform/common/os.h"
#include "platform/errors.h"
#include "platform/win32/wide.h"

namespace platform {

int LastError() { return static_cast<int>(::GetLastError()); }

void SetLastError(int code) { ::SetLastError(static_cast<DWORD>(code)); }

namespace detail {

std::u16string OsErrorText(int code) {
  wchar_t* text = nullptr;
  const DWORD flags = FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;
  const DWORD length = ::FormatMessageW(flags, nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string result = length ? FromWide(text, length) : std::u16string();
  ::LocalFree(text);
  return result;
}

}  // namespace detail
}  // namespace platform
