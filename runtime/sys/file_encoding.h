// File bytes to text and back by code page. Code pages are 16-bit numbers:
// -1 and 0xFFFF are the same (one character per byte). The 8-bit build keeps
// the bytes as they are and ignores code pages and marks.
#pragma once
#include <string>
#include <string_view>

#include "text.h"

inline constexpr int kCodePageBytes = 0xFFFF;
inline constexpr int kCodePageUtf8NoMark = 10056;

// Code page 0 looks for a byte-order mark, skips it and sets codePage to the
// one it selects; codePage ends as the one used.
Text TextFromFileBytes(std::string bytes, int& codePage);
// The bytes of text in codePage, led by its byte-order mark when withMark.
std::string FileBytesFromText(TextView text, int codePage, bool withMark);

// The low 8 bits of each code unit.
std::string WideToBytes(std::u16string_view text);
