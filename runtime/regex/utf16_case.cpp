#include "regex/utf16_case.h"

#include "platform/case_map.h"

namespace {

std::size_t CharUnits(std::u16string_view text, std::size_t i) {
  const bool pair = i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 &&
                    text[i + 1] <= 0xDFFF;
  return pair ? 2 : 1;
}

// Code units 0-38, 40, 42-46, 60, 63, 91, 123 and 183; ")" does not separate.
bool IsWordSeparator(char16_t c) {
  return c <= 38 || c == 40 || (c >= 42 && c <= 46) || c == 60 || c == 63 || c == 91 || c == 123 || c == 183;
}

}  // namespace

std::u16string FirstCapital(std::u16string_view text) {
  const std::u16string lower = platform::LowerCase(text);
  if (lower.empty()) return lower;
  const std::size_t first = CharUnits(lower, 0);
  return platform::UpperCase(std::u16string_view(lower).substr(0, first)) + lower.substr(first);
}

std::u16string WordCapitals(std::u16string_view text) {
  const std::u16string lower = platform::LowerCase(text);
  std::u16string out;
  bool capitalNext = true;
  for (std::size_t i = 0; i < lower.size();) {
    const std::u16string_view c = std::u16string_view(lower).substr(i, CharUnits(lower, i));
    i += c.size();
    if (c[0] == u'\'') {
      out += c;
      continue;
    }
    out += capitalNext ? platform::UpperCase(c) : std::u16string(c);
    capitalNext = IsWordSeparator(c[0]);
  }
  return out;
}
