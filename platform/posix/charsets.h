// Windows code page numbers and the iconv names of the same charsets.
#pragma once
#include <string>
#include <string_view>

namespace platform::detail {

// The iconv name for a code page ("CP" + number when not listed).
std::string CharsetName(int codePage);
// The code page of a charset name, 0 when unknown.
int CharsetCodePage(std::string_view name);
// The code page a locale name ("de_DE.UTF-8@euro", "C") gives whether or not
// the locale is installed, without asking the system; 0 when only the
// system can tell.
int KnownLocaleCodePage(std::string_view localeName);

}  // namespace platform::detail
