#include "runtime/regex/engine_text.h"

#include <algorithm>

#include "platform/case_map.h"
#include "platform/codepage.h"
#include "platform/lead_byte.h"

namespace runtime {

#ifdef QEL_ANSI

std::string EngineBytes(TextView text) { return std::string(text); }
void EngineBytesInto(TextView text, std::string& bytes) { bytes.assign(text); }
Text EngineText(std::string_view bytes) { return Text(bytes); }

#else

// A lone surrogate becomes U+FFFD, so the bytes are always valid UTF-8.
std::string EngineBytes(TextView text) {
  std::string bytes;
  platform::EncodeCodePage(platform::kCodePageUtf8, text, bytes);
  return bytes;
}

// Both loops run without a branch per unit, so the compiler may widen them.
void EngineBytesInto(TextView text, std::string& bytes) {
  Char all = 0;
  for (Char unit : text) all |= unit;
  if (all >= 0x80) {
    bytes = EngineBytes(text);
    return;
  }
  bytes.resize(text.size());
  std::transform(text.begin(), text.end(), bytes.data(), [](Char unit) { return static_cast<char>(unit); });
}

Text EngineText(std::string_view bytes) {
  Text text;
  platform::DecodeCodePage(platform::kCodePageUtf8, bytes, text);
  return text;
}

#endif

std::size_t Utf8CharEnd(std::string_view bytes, std::size_t offset) {
  std::size_t end = offset + 1;
  while (end < bytes.size() && end - offset < 4 && IsUtf8Continuation(bytes[end])) ++end;
  return end;
}

int32_t Utf16UnitsBefore(std::string_view bytes, std::size_t offset) {
  int32_t units = 0;
  for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (!IsUtf8Continuation(bytes[i])) units += byte >= 0xF0 ? 2 : 1;
  }
  return units;
}

bool CaseConversionOf(char letter, CaseConversion& conversion) {
  switch (letter) {
    case 'U': case 'u': conversion = CaseConversion::Upper; return true;
    case 'L': case 'l': conversion = CaseConversion::Lower; return true;
    case 'F': case 'f': conversion = CaseConversion::FirstCapital; return true;
    case 'I': case 'i': conversion = CaseConversion::WordCapitals; return true;
    default: return false;
  }
}

#ifdef QEL_ANSI

std::string ConvertCase(std::string_view bytes, CaseConversion conversion) {
  switch (conversion) {
    case CaseConversion::Upper: return CodePageUpper(bytes, 0);
    case CaseConversion::Lower: return CodePageLower(bytes, 0);
    case CaseConversion::FirstCapital: return CodePageFirstCapital(bytes, 0);
    case CaseConversion::WordCapitals: return CodePageWordCapitals(bytes, 0);
  }
  return std::string(bytes);
}

#else

namespace {

std::u16string ConvertText(std::u16string_view text, CaseConversion conversion) {
  switch (conversion) {
    case CaseConversion::Upper: return platform::UpperCase(text);
    case CaseConversion::Lower: return platform::LowerCase(text);
    case CaseConversion::FirstCapital: return FirstCapital(text);
    case CaseConversion::WordCapitals: return WordCapitals(text);
  }
  return std::u16string(text);
}

}  // namespace

std::string ConvertCase(std::string_view bytes, CaseConversion conversion) {
  return EngineBytes(ConvertText(EngineText(bytes), conversion));
}

#endif

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

}  // namespace runtime
