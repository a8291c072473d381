#include "platform/case_map.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

// The invariant locale keeps results apart from the user's language.
std::u16string MapText(std::u16string_view text, DWORD flag) {
  if (text.empty()) return {};
  std::u16string out(text);
  auto* wide = reinterpret_cast<wchar_t*>(out.data());
  const int length = static_cast<int>(out.size());
  if (::LCMapStringW(LOCALE_INVARIANT, flag, wide, length, wide, length) == 0) return std::u16string(text);
  return out;
}

}  // namespace

std::u16string UpperCase(std::u16string_view text) { return MapText(text, LCMAP_UPPERCASE); }
std::u16string LowerCase(std::u16string_view text) { return MapText(text, LCMAP_LOWERCASE); }

}  // namespace platform
