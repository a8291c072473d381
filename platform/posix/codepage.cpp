#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <iconv.h>
#include <langinfo.h>
#include <locale.h>

#include "platform/codepage.h"
#include "platform/common/os.h"
#include "platform/lead_byte.h"
#include "platform/posix/charsets.h"

namespace platform {
namespace {

static_assert(std::endian::native == std::endian::little, "UTF-16 text is handed to iconv as UTF-16LE");
constexpr const char* kWide = "UTF-16LE";

// The locale name the C library would take for LC_CTYPE.
std::string_view EnvironmentLocaleName() {
  for (const char* variable : {"LC_ALL", "LC_CTYPE", "LANG"}) {
    const char* value = std::getenv(variable);
    if (value && *value) return value;
  }
  return {};
}

// The environment's locale, read without changing the process's own. Most
// names tell their charset; opening the locale costs more than the rest of
// a short script's start-up, so only the others are opened.
int LocaleCodePage() {
  if (const int known = detail::KnownLocaleCodePage(EnvironmentLocaleName())) return known;
  locale_t locale = ::newlocale(LC_CTYPE_MASK, "", nullptr);
  if (!locale) return kCodePageUtf8;
  const int codePage = detail::CharsetCodePage(::nl_langinfo_l(CODESET, locale));
  ::freelocale(locale);
  return codePage != 0 ? codePage : kCodePageUtf8;
}

int OverrideCodePage() {
  const char* text = std::getenv("QEL_CODEPAGE");
  if (!text) return 0;
  int number = 0;
  const char* end = text + std::strlen(text);
  const auto [at, error] = std::from_chars(text, end, number);
  return error == std::errc() && at == end && number > 0 ? number : 0;
}

class Converter {
 public:
  Converter(const std::string& to, const std::string& from) : cd_(::iconv_open(to.c_str(), from.c_str())) {}
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;
  ~Converter() {
    if (ok()) ::iconv_close(cd_);
  }
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

  // At an unconvertible piece of the input, skip(rest) gives the output that
  // stands for it and how many input bytes it takes (at least one).
  template <class Skip>
  std::string Run(std::string_view input, Skip skip) {
    std::string out(input.size() * 2 + 16, '\0');
    std::size_t used = 0;
    char* in = const_cast<char*>(input.data());
    std::size_t left = input.size();
    for (;;) {
      // The last call without input ends a stateful encoding's shift sequence.
      const bool flushing = left == 0;
      char* put = out.data() + used;
      std::size_t room = out.size() - used;
      const std::size_t result = flushing ? ::iconv(cd_, nullptr, nullptr, &put, &room) : ::iconv(cd_, &in, &left, &put, &room);
      used = out.size() - room;
      if (result != static_cast<std::size_t>(-1) && flushing) break;
      if (result != static_cast<std::size_t>(-1)) continue;
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      if (flushing) break;
      // EILSEQ: a bad character inside; EINVAL: a cut one at the end.
      const auto [replacement, bad] = skip(std::string_view(in, left));
      out.replace(used, 0, replacement);
      used += replacement.size();
      const std::size_t taken = std::min(std::max<std::size_t>(bad, 1), left);
      in += taken;
      left -= taken;
    }
    out.resize(used);
    return out;
  }

 private:
  iconv_t cd_;
};

std::string WideBytes(std::u16string_view text) {
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(char16_t));
}

struct Skipped {
  std::string output;
  std::size_t inputBytes;
};

// As Windows decodes what a code page leaves undefined: a lead byte and the
// byte after it give "?", any other byte the character of its own value.
Skipped SkipUndefined(int codePage, std::string_view rest) {
  const auto byte = static_cast<unsigned char>(rest[0]);
  if (IsLeadByte(codePage, byte)) return {WideBytes(u"?"), 2};
  return {WideBytes(std::u16string(1, char16_t(byte))), 1};
}

}  // namespace

int SystemCodePage() {
  static const int fromLocale = LocaleCodePage();
  const int chosen = OverrideCodePage();
  return chosen != 0 ? chosen : fromLocale;
}

int LocaleAnsiCodePage(std::uint32_t) { return SystemCodePage(); }

namespace detail {

bool OsDecode(int codePage, std::string_view bytes, std::u16string& text) {
  Converter converter(kWide, CharsetName(codePage));
  if (!converter.ok()) return false;
  const std::string wide = converter.Run(bytes, [&](std::string_view rest) { return SkipUndefined(codePage, rest); });
  text.assign(reinterpret_cast<const char16_t*>(wide.data()), wide.size() / sizeof(char16_t));
  return true;
}

bool OsEncode(int codePage, std::u16string_view text, std::string& bytes) {
  const std::string name = CharsetName(codePage);
  Converter question(name, kWide);
  Converter converter(name, kWide);
  if (!converter.ok() || !question.ok()) return false;
  // Code units are replaced one by one (a pair gives "??"), as on Windows.
  const auto unit = [](std::string replacement) {
    return [replacement](std::string_view) { return Skipped{replacement, sizeof(char16_t)}; };
  };
  const std::string replacement = question.Run(WideBytes(u"?"), unit("?"));
  bytes = converter.Run(WideBytes(text), unit(replacement));
  return true;
}

}  // namespace detail
}  // namespace platform
