// Case conversions of 8-bit text in a code page (0: the system's), for the
// template conversions of qel. A character is one byte, a lead byte with its
// trail byte in a double-byte code page, or a UTF-8 sequence in code page
// 65001. Characters the code page cannot carry through keep their bytes.
#pragma once
#include <string>
#include <string_view>

std::string CodePageUpper(std::string_view bytes, int codePage);
std::string CodePageLower(std::string_view bytes, int codePage);
std::string CodePageFirstCapital(std::string_view bytes, int codePage);

// Separators are the bytes 0-38, 40-46, 60, 63, 91, 123 and 183 (")"
// separates here); in a multi-byte code page no byte from 128 on separates
// and a double-byte character is passed over like an apostrophe: it neither
// separates nor takes the capital.
std::string CodePageWordCapitals(std::string_view bytes, int codePage);
