// Windows code page numbers and the iconv names of the same charsets.
#pragma once
#include <string>
#include <string_view>

namespace platform::detail {

// The iconv name for a code page ("CP" + number when not listed).
std::string CharsetName(int codePage);
// The code page of a charset name, 0 when unknown.
int CharsetCodePage(std::string_view name);

}  // namespace platform::detail
