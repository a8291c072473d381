// MD5 and SHA-1 digests of bytes as lower-case hexadecimal text.
#pragma once
#include <cstdint>
#include <string_view>

#include "runtime/text.h"

namespace runtime {

Text HashMD5Hex(std::string_view bytes);
Text HashSHA1Hex(std::string_view bytes);

// The system's digest service: advapi32 on Windows, libcrypto elsewhere.
inline constexpr int kMD5Size = 16;
inline constexpr int kSHA1Size = 20;

void ComputeMD5(std::string_view bytes, std::uint8_t (&digest)[kMD5Size]);
void ComputeSHA1(std::string_view bytes, std::uint8_t (&digest)[kSHA1Size]);

}  // namespace runtime
