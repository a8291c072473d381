// 8-bit text in a numbered code page to and from UTF-16. Code page 0 is the
// system code page.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

std::u16string DecodeAnsi(std::string_view bytes, uint16_t codePage);
std::string EncodeAnsi(std::u16string_view text, uint16_t codePage);
// True when 8-bit text of this code page is already in the system code page.
bool IsSystemCodePage(uint16_t codePage);
