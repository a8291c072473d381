// Compact encodings of image records: integers of one to five bytes and
// length-prefixed UTF-8 texts.
#pragma once
#include <cstdint>
#include <string_view>

#include "image/byte_cursor.h"
#include "text.h"

// A value outside the 32-bit range is a bad format.
int32_t ReadCompactInt(ByteCursor& in);
// The UTF-8 bytes of a compact text, left in the buffer.
std::string_view ReadCompactBytes(ByteCursor& in);
Text ReadCompactText(ByteCursor& in);
