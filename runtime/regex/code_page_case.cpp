#include "regex/code_page_case.h"

#include "platform/case_map.h"
#include "platform/codepage.h"
#include "platform/lead_byte.h"
#include "regex/utf8_walk.h"

namespace {

using CaseMap = std::u16string (*)(std::u16string_view);

int Resolve(int codePage) { return codePage == 0 ? platform::SystemCodePage() : codePage; }

std::size_t CharLength(std::string_view bytes, std::size_t i, int codePage) {
  if (codePage == platform::kCodePageUtf8) return Utf8CharEnd(bytes, i) - i;
  const bool lead = i + 1 < bytes.size() && platform::IsLeadByte(codePage, static_cast<unsigned char>(bytes[i]));
  return lead ? 2 : 1;
}

// False when the bytes do not come back unchanged from UTF-16, so mapping
// them would alter more than their case.
bool Decode(std::string_view bytes, int codePage, std::u16string& text) {
  std::string again;
  return platform::DecodeCodePage(codePage, bytes, text) && platform::EncodeCodePage(codePage, text, again) &&
         again == bytes;
}

bool MapWhole(std::string_view bytes, int codePage, CaseMap map, std::string& out) {
  std::u16string text;
  return Decode(bytes, codePage, text) && platform::EncodeCodePage(codePage, map(text), out);
}

std::string MapChar(std::string_view c, int codePage, CaseMap map) {
  std::string out;
  return MapWhole(c, codePage, map, out) ? out : std::string(c);
}

// One bad byte should not stop the rest from changing case.
std::string MapText(std::string_view bytes, int codePage, CaseMap map) {
  codePage = Resolve(codePage);
  std::string out;
  if (MapWhole(bytes, codePage, map, out)) return out;
  out.clear();
  for (std::size_t i = 0; i < bytes.size();) {
    const std::size_t length = CharLength(bytes, i, codePage);
    out += MapChar(bytes.substr(i, length), codePage, map);
    i += length;
  }
  return out;
}

bool IsWordSeparator(unsigned char byte, bool multiByte) {
  if (byte == 183) return !multiByte;
  return byte <= 38 || (byte >= 40 && byte <= 46) || byte == 60 || byte == 63 || byte == 91 || byte == 123;
}

}  // namespace

std::string CodePageUpper(std::string_view bytes, int codePage) {
  return MapText(bytes, codePage, platform::UpperCase);
}

std::string CodePageLower(std::string_view bytes, int codePage) {
  return MapText(bytes, codePage, platform::LowerCase);
}

std::string CodePageFirstCapital(std::string_view bytes, int codePage) {
  codePage = Resolve(codePage);
  const std::string lower = CodePageLower(bytes, codePage);
  if (lower.empty()) return lower;
  const std::size_t first = CharLength(lower, 0, codePage);
  return MapChar(std::string_view(lower).substr(0, first), codePage, platform::UpperCase) + lower.substr(first);
}

std::string CodePageWordCapitals(std::string_view bytes, int codePage) {
  codePage = Resolve(codePage);
  const bool doubleByte = platform::IsDoubleByteCodePage(codePage);
  const bool multiByte = doubleByte || codePage == platform::kCodePageUtf8;
  const std::string lower = CodePageLower(bytes, codePage);
  std::string out;
  bool capitalNext = true;
  for (std::size_t i = 0; i < lower.size();) {
    const std::string_view c = std::string_view(lower).substr(i, CharLength(lower, i, codePage));
    i += c.size();
    if (c[0] == '\'' || (doubleByte && c.size() > 1)) {
      out += c;
      continue;
    }
    out += capitalNext ? MapChar(c, codePage, platform::UpperCase) : std::string(c);
    capitalNext = IsWordSeparator(static_cast<unsigned char>(c[0]), multiByte);
  }
  return out;
}
