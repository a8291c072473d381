#include "platform/posix/charsets.h"

#include <charconv>

namespace platform::detail {
namespace {

struct Charset {
  int codePage;
  const char* name;
};

// First entry per code page is the name given to iconv.
constexpr Charset kCharsets[] = {
    {65001, "UTF-8"},       {65001, "UTF8"},         {1200, "UTF-16LE"},     {1201, "UTF-16BE"},
    {12000, "UTF-32LE"},    {12001, "UTF-32BE"},     {65000, "UTF-7"},       {20127, "ASCII"},
    {20127, "US-ASCII"},    {936, "GBK"},            {936, "GB2312"},        {936, "EUC-CN"},
    {54936, "GB18030"},     {950, "BIG5"},           {932, "SHIFT_JIS"},     {932, "SJIS"},
    {20932, "EUC-JP"},      {51949, "EUC-KR"},       {50220, "ISO-2022-JP"}, {20866, "KOI8-R"},
    {21866, "KOI8-U"},      {28591, "ISO-8859-1"},   {28592, "ISO-8859-2"},  {28593, "ISO-8859-3"},
    {28594, "ISO-8859-4"},  {28595, "ISO-8859-5"},   {28596, "ISO-8859-6"},  {28597, "ISO-8859-7"},
    {28598, "ISO-8859-8"},  {28599, "ISO-8859-9"},   {28603, "ISO-8859-13"}, {28605, "ISO-8859-15"},
    {10000, "MACINTOSH"},   {65001, "ANSI_X3.4-1968"},  // the C locale counts as UTF-8
};

constexpr int kUtf8 = 65001;

char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool SameName(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (Upper(a[i]) != Upper(b[i])) return false;
  return true;
}

// "CP1252" and "WINDOWS-1252" name code page 1252.
int NumberedName(std::string_view name) {
  for (std::string_view prefix : {"CP", "WINDOWS-"}) {
    if (name.size() <= prefix.size() || !SameName(name.substr(0, prefix.size()), prefix)) continue;
    int number = 0;
    const char* end = name.data() + name.size();
    const auto [at, error] = std::from_chars(name.data() + prefix.size(), end, number);
    if (error == std::errc() && at == end && number > 0) return number;
  }
  return 0;
}

}  // namespace

std::string CharsetName(int codePage) {
  for (const Charset& charset : kCharsets)
    if (charset.codePage == codePage) return charset.name;
  return "CP" + std::to_string(codePage);
}

int CharsetCodePage(std::string_view name) {
  for (const Charset& charset : kCharsets)
    if (SameName(charset.name, name)) return charset.codePage;
  return NumberedName(name);
}

// The C locale counts as UTF-8, and so does a locale the system lacks: a
// UTF-8 name gives UTF-8 either way.
int KnownLocaleCodePage(std::string_view localeName) {
  if (localeName.empty() || localeName == "C" || localeName == "POSIX") return kUtf8;
  const std::size_t dot = localeName.find('.');
  if (dot == std::string_view::npos) return 0;
  const std::string_view charset = localeName.substr(dot + 1, localeName.find('@', dot) - dot - 1);
  return CharsetCodePage(charset) == kUtf8 ? kUtf8 : 0;
}

}  // namespace platform::detail
