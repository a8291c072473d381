#include <pcre.h>

#include "regex/regex.h"
#include "regex/utf8_walk.h"

// Bytes from..to-1 by 1-based positions; "" for a range outside the subject.
std::string CRegex::Slice(int32_t from, int32_t to) const {
  if (from < 1 || to < from || static_cast<std::size_t>(to - 1) > subject_.size()) return {};
  return subject_.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(to - from));
}

std::string CRegex::Group(int32_t index) const {
  if (index < 0 || index >= resultCount_) return {};
  return Slice(offsets_[2 * index], offsets_[2 * index + 1]);
}

// PCRE reads the name up to a NUL, so a name holding one is no group's.
int32_t CRegex::NamedGroup(std::string_view name) {
  if (name.find('\0') != std::string_view::npos) return PCRE_ERROR_NOSUBSTRING;
  if (!code_) Compile();
  return pcre_get_stringnumber(code_.get(), std::string(name).c_str());
}

std::string CRegex::NamedGroupText(std::string_view name) { return Group(NamedGroup(name)); }

int32_t CRegex::CaptureCount() {
  if (!code_) Compile();
  int count = 0;
  pcre_fullinfo(code_.get(), nullptr, PCRE_INFO_CAPTURECOUNT, &count);
  return count;
}

// Each entry: the group number in two bytes, high byte first, then the name
// and a NUL, padded to the entry size.
std::vector<RegexGroupName> CRegex::NameTable() {
  if (!code_) Compile();
  int count = 0;
  int entrySize = 0;
  const unsigned char* table = nullptr;
  pcre_fullinfo(code_.get(), nullptr, PCRE_INFO_NAMECOUNT, &count);
  pcre_fullinfo(code_.get(), nullptr, PCRE_INFO_NAMEENTRYSIZE, &entrySize);
  pcre_fullinfo(code_.get(), nullptr, PCRE_INFO_NAMETABLE, &table);
  std::vector<RegexGroupName> names;
  for (int i = 0; i < count; ++i) {
    const unsigned char* entry = table + static_cast<std::ptrdiff_t>(i) * entrySize;
    names.push_back({(entry[0] << 8) | entry[1], std::string(reinterpret_cast<const char*>(entry + 2))});
  }
  return names;
}

int32_t CRegex::MatchPos() const { return resultCount_ > 0 ? offsets_[0] : 0; }

int32_t CRegex::MatchLength() const { return resultCount_ > 0 ? offsets_[1] - offsets_[0] : 0; }

#ifdef QEL_ANSI
int32_t CRegex::TextPosition(int32_t bytePos) const { return bytePos; }
#else
int32_t CRegex::TextPosition(int32_t bytePos) const {
  return bytePos < 1 ? 0 : 1 + Utf16UnitsBefore(subject_, static_cast<std::size_t>(bytePos - 1));
}
#endif

int32_t CRegex::TextMatchPos() const { return resultCount_ > 0 ? TextPosition(offsets_[0]) : 0; }

int32_t CRegex::TextMatchLength() const {
  return resultCount_ > 0 ? TextPosition(offsets_[1]) - TextPosition(offsets_[0]) : 0;
}

std::string CRegex::TextBefore() const {
  const int32_t end = resultCount_ > 0 ? offsets_[0] : static_cast<int32_t>(subject_.size()) + 1;
  return Slice(segmentStart_, end);
}

std::string CRegex::TextAfter() const {
  return resultCount_ > 0 ? Slice(offsets_[1], static_cast<int32_t>(subject_.size()) + 1) : std::string();
}
