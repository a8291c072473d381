#include "platform/common/unicode.h"

#include <cstdint>

namespace platform::detail {
namespace {

constexpr char16_t kReplacement = 0xFFFD;

char16_t* AppendCodePoint(char16_t* to, std::uint32_t cp) {
  if (cp < 0x10000) {
    *to++ = static_cast<char16_t>(cp);
    return to;
  }
  cp -= 0x10000;
  *to++ = static_cast<char16_t>(0xD800 + (cp >> 10));
  *to++ = static_cast<char16_t>(0xDC00 + (cp & 0x3FF));
  return to;
}

char16_t* AppendInvalid(char16_t* to, std::string_view bytes, BadBytes mode) {
  if (mode == BadBytes::Replace) {
    *to++ = kReplacement;
    return to;
  }
  for (unsigned char b : bytes) *to++ = static_cast<char16_t>(0xDC00 + b);
  return to;
}

// Lead byte: number of continuation bytes, payload bits and the allowed range
// of the first continuation byte (which rules out overlongs and surrogates).
struct Lead {
  int follow;
  std::uint32_t bits;
  unsigned char low, high;
};

bool ReadLead(unsigned char b, Lead& lead) {
  if (b >= 0xC2 && b <= 0xDF) lead = {1, b & 0x1Fu, 0x80, 0xBF};
  else if (b >= 0xE0 && b <= 0xEF) lead = {2, b & 0x0Fu, 0x80, 0xBF};
  else if (b >= 0xF0 && b <= 0xF4) lead = {3, b & 0x07u, 0x80, 0xBF};
  else return false;
  if (b == 0xE0) lead.low = 0xA0;
  if (b == 0xED) lead.high = 0x9F;
  if (b == 0xF0) lead.low = 0x90;
  if (b == 0xF4) lead.high = 0x8F;
  return true;
}

void AppendUtf8(std::string& out, std::uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

bool IsHigh(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLow(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

}  // namespace

std::u16string Utf8ToUtf16(std::string_view bytes, BadBytes mode) {
  // No byte gives more than one code unit (a four-byte sequence gives two),
  // so the text is written into room sized once and cut to length at the end.
  std::u16string out(bytes.size(), u'\0');
  char16_t* to = out.data();
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    Lead lead{};
    if (b < 0x80) {
      *to++ = b;
      ++i;
      continue;
    }
    if (!ReadLead(b, lead)) {
      to = AppendInvalid(to, bytes.substr(i, 1), mode);
      ++i;
      continue;
    }
    std::size_t j = i + 1;
    std::uint32_t cp = lead.bits;
    for (int k = 0; k < lead.follow && j < bytes.size(); ++k, ++j) {
      const auto c = static_cast<unsigned char>(bytes[j]);
      if (c < lead.low || c > lead.high) break;
      cp = (cp << 6) | (c & 0x3F);
      lead.low = 0x80;
      lead.high = 0xBF;
    }
    // A broken sequence is replaced as a whole up to the first unfitting byte.
    if (j - i - 1 == static_cast<std::size_t>(lead.follow)) to = AppendCodePoint(to, cp);
    else to = AppendInvalid(to, bytes.substr(i, j - i), mode);
    i = j;
  }
  out.resize(static_cast<std::size_t>(to - out.data()));
  return out;
}

std::string Utf16ToUtf8(std::u16string_view text, BadBytes mode) {
  std::string out;
  out.reserve(text.size());
  // A leading ASCII run, often the whole text, is copied unit by unit.
  std::size_t ascii = 0;
  while (ascii < text.size() && text[ascii] < 0x80) ++ascii;
  out.resize(ascii);
  for (std::size_t i = 0; i < ascii; ++i) out[i] = static_cast<char>(text[i]);
  for (std::size_t i = ascii; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (IsHigh(c) && i + 1 < text.size() && IsLow(text[i + 1])) {
      AppendUtf8(out, 0x10000 + ((c - 0xD800u) << 10) + (text[++i] - 0xDC00u));
    } else if (IsHigh(c) || IsLow(c)) {
      if (mode == BadBytes::Escape && c >= 0xDC80 && c <= 0xDCFF) out += static_cast<char>(c - 0xDC00);
      else AppendUtf8(out, kReplacement);
    } else {
      AppendUtf8(out, c);
    }
  }
  return out;
}

std::u16string Utf16FromBytes(std::string_view bytes, bool bigEndian) {
  std::u16string out(bytes.size() / 2 + bytes.size() % 2, u'\0');
  const int first = bigEndian ? 8 : 0;
  const int second = bigEndian ? 0 : 8;
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto a = static_cast<unsigned char>(bytes[i]);
    const auto b = static_cast<unsigned char>(bytes[i + 1]);
    out[i / 2] = static_cast<char16_t>((a << first) | (b << second));
  }
  if (bytes.size() % 2 != 0) out.back() = kReplacement;
  return out;
}

std::string Utf16ToBytes(std::u16string_view text, bool bigEndian) {
  std::string out;
  out.reserve(text.size() * 2);
  for (char16_t c : text) {
    const char low = static_cast<char>(c & 0xFF);
    const char high = static_cast<char>(c >> 8);
    out += bigEndian ? high : low;
    out += bigEndian ? low : high;
  }
  return out;
}

}  // namespace platform::detail
