#include <locale.h>
#include <wctype.h>

#include "platform/case_map.h"

namespace platform {
namespace {

// glibc's built-in C.UTF-8 maps all of Unicode without depending on the
// user's locale; without it only ASCII letters change.
locale_t UnicodeLocale() {
  static const locale_t locale = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", nullptr);
  return locale;
}

char32_t MapCodePoint(char32_t c, bool upper) {
  if (const locale_t locale = UnicodeLocale()) {
    return static_cast<char32_t>(upper ? ::towupper_l(c, locale) : ::towlower_l(c, locale));
  }
  if (upper && c >= U'a' && c <= U'z') return c - 32;
  if (!upper && c >= U'A' && c <= U'Z') return c + 32;
  return c;
}

void Append(std::u16string& out, char32_t c) {
  if (c < 0x10000) {
    out += static_cast<char16_t>(c);
    return;
  }
  c -= 0x10000;
  out += static_cast<char16_t>(0xD800 + (c >> 10));
  out += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
}

bool IsPair(std::u16string_view text, std::size_t i) {
  return i + 1 < text.size() && text[i] >= 0xD800 && text[i] <= 0xDBFF && text[i + 1] >= 0xDC00 &&
         text[i + 1] <= 0xDFFF;
}

// A lone surrogate is kept as it is.
std::u16string MapText(std::u16string_view text, bool upper) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (IsPair(text, i)) {
      Append(out, MapCodePoint(0x10000 + ((text[i] - 0xD800) << 10) + (text[i + 1] - 0xDC00), upper));
      ++i;
    } else if (text[i] >= 0xD800 && text[i] <= 0xDFFF) {
      out += text[i];
    } else {
      Append(out, MapCodePoint(text[i], upper));
    }
  }
  return out;
}

}  // namespace

std::u16string UpperCase(std::u16string_view text) { return MapText(text, true); }
std::u16string LowerCase(std::u16string_view text) { return MapText(text, false); }

}  // namespace platform
