#include "toolkit/core/text.h"

namespace toolkit {

String FromUtf8(std::string_view text) {
  String out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    char32_t code = 0xFFFD;
    std::size_t length = 1;
    if (lead < 0x80) {
      code = lead;
    } else if (lead >= 0xC2 && lead < 0xF5) {
      length = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
      char32_t value = lead & (0x3F >> (length - 1));
      bool valid = i + length <= text.size();
      for (std::size_t k = 1; valid && k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        valid = (next & 0xC0) == 0x80;
        value = value << 6 | (next & 0x3F);
      }
      const bool overlong = (length == 3 && value < 0x800) || (length == 4 && value < 0x10000);
      const bool surrogate = value >= 0xD800 && value < 0xE000;
      if (valid && !overlong && !surrogate && value < 0x110000) {
        code = value;
      } else {
        length = 1;
      }
    }
    if (code >= 0x10000) {
      code -= 0x10000;
      out += static_cast<Char>(0xD800 + (code >> 10));
      out += static_cast<Char>(0xDC00 + (code & 0x3FF));
    } else {
      out += static_cast<Char>(code);
    }
    i += length;
  }
  return out;
}

std::string ToUtf8(StringView text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t code = text[i];
    if (code >= 0xD800 && code < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] < 0xE000) {
      code = 0x10000 + ((code - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (code >= 0xD800 && code < 0xE000) {
      code = 0xFFFD;  // a lone surrogate has no UTF-8 form
    }
    if (code < 0x80) {
      out += static_cast<char>(code);
    } else if (code < 0x800) {
      out += static_cast<char>(0xC0 | code >> 6);
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
      out += static_cast<char>(0xE0 | code >> 12);
      out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
      out += static_cast<char>(0xF0 | code >> 18);
      out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
      out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
      out += static_cast<char>(0x80 | (code & 0x3F));
    }
  }
  return out;
}

String IntToString(long long value) {
  const std::string digits = std::to_string(value);
  return String(digits.begin(), digits.end());
}

namespace {

String Substitute(StringView pattern, const String& value) {
  String out;
  bool used = false;
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    if (pattern[i] == u'%' && i + 1 < pattern.size()) {
      const Char next = pattern[i + 1];
      if (next == u'%') {
        out += u'%';
        ++i;
        continue;
      }
      if ((next == u'd' || next == u's') && !used) {
        out += value;
        used = true;
        ++i;
        continue;
      }
    }
    out += pattern[i];
  }
  return out;
}

Char UpperChar(Char c) {
  if ((c >= u'a' && c <= u'z') || (c >= 0xE0 && c <= 0xFE && c != 0xF7)) return static_cast<Char>(c - 32);
  return c;
}

}  // namespace

String FormatText(StringView pattern, long long number) { return Substitute(pattern, IntToString(number)); }

String FormatText(StringView pattern, StringView text) { return Substitute(pattern, String(text)); }

String UpperCase(StringView text) {
  String out(text);
  for (Char& c : out) c = UpperChar(c);
  return out;
}

int CompareTextIgnoringCase(StringView a, StringView b) {
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const Char x = UpperChar(a[i]);
    const Char y = UpperChar(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

}  // namespace toolkit
