#include "platform/codepage.h"
#include "platform/common/os.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

bool Known(int codePage) {
  if (codePage > 0 && ::IsValidCodePage(static_cast<UINT>(codePage))) return true;
  ::SetLastError(ERROR_INVALID_PARAMETER);
  return false;
}

// Without best fit, unmapped characters become '?' as they do natively; some
// code pages accept no flags at all.
int Narrow(UINT codePage, std::u16string_view text, char* out, int room) {
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int length = static_cast<int>(text.size());
  const int written = ::WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, wide, length, out, room, nullptr, nullptr);
  if (written != 0 || ::GetLastError() != ERROR_INVALID_FLAGS) return written;
  return ::WideCharToMultiByte(codePage, 0, wide, length, out, room, nullptr, nullptr);
}

}  // namespace

int SystemCodePage() { return static_cast<int>(::GetACP()); }

int LocaleAnsiCodePage(std::uint32_t locale) {
  wchar_t digits[6] = {};
  if (::GetLocaleInfoW(static_cast<LCID>(locale), LOCALE_IDEFAULTANSICODEPAGE, digits, 6) == 0)
    return SystemCodePage();
  int codePage = 0;
  for (const wchar_t* c = digits; *c >= L'0' && *c <= L'9'; ++c) codePage = codePage * 10 + (*c - L'0');
  return codePage != 0 ? codePage : SystemCodePage();
}

namespace detail {

bool OsDecode(int codePage, std::string_view bytes, std::u16string& text) {
  if (!Known(codePage)) return false;
  text.clear();
  if (bytes.empty()) return true;
  const int length = static_cast<int>(bytes.size());
  const int needed = ::MultiByteToWideChar(static_cast<UINT>(codePage), 0, bytes.data(), length, nullptr, 0);
  if (needed == 0) return false;
  std::wstring wide(static_cast<std::size_t>(needed), L'\0');
  ::MultiByteToWideChar(static_cast<UINT>(codePage), 0, bytes.data(), length, wide.data(), needed);
  text = FromWide(wide.data(), wide.size());
  return true;
}

bool OsEncode(int codePage, std::u16string_view text, std::string& bytes) {
  if (!Known(codePage)) return false;
  bytes.clear();
  if (text.empty()) return true;
  const int needed = Narrow(static_cast<UINT>(codePage), text, nullptr, 0);
  if (needed == 0) return false;
  bytes.resize(static_cast<std::size_t>(needed));
  Narrow(static_cast<UINT>(codePage), text, bytes.data(), needed);
  return true;
}

}  // namespace detail
}  // namespace platform
