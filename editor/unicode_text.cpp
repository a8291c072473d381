#include "editor/unicode_text.h"

#include "platform/case_map.h"
#include "platform/codepage.h"
#include "toolkit/core/exceptions.h"

namespace editor {

toolkit::String UpperCaseText(toolkit::StringView text) { return platform::UpperCase(text); }

toolkit::String LowerCaseText(toolkit::StringView text) { return platform::LowerCase(text); }

toolkit::String RepeatChar(toolkit::Char character, std::int32_t count) {
  return count > 0 ? toolkit::String(static_cast<std::size_t>(count), character) : toolkit::String();
}

toolkit::String TrimText(toolkit::StringView text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && text[begin] <= u' ') ++begin;
  while (end > begin && text[end - 1] <= u' ') --end;
  return toolkit::String(text.substr(begin, end - begin));
}

void SwapCodeUnitBytes(std::span<toolkit::Char> characters) {
  for (toolkit::Char& c : characters) {
    if (c == 0) break;
    c = static_cast<toolkit::Char>(c << 8 | c >> 8);
  }
}

int LocaleCodePage(std::uint32_t locale) { return platform::LocaleAnsiCodePage(locale); }

toolkit::String AnsiToUnicode(std::string_view text, int codePage) {
  toolkit::String result;
  if (platform::DecodeCodePage(codePage, text, result) || platform::DecodeCodePage(0, text, result)) return result;
  throw toolkit::ConvertError(toolkit::FormatText(kCodePageNotAvailable, platform::SystemCodePage()));
}

}  // namespace editor
