// MD5 and SHA-1 digests of bytes as lower-case hexadecimal text.
#pragma once
#include <string_view>

#include "text.h"

Text HashMD5Hex(std::string_view bytes);
Text HashSHA1Hex(std::string_view bytes);
