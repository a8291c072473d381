// The system's digest service: advapi32 on Windows, libcrypto elsewhere.
#pragma once
#include <cstdint>
#include <string_view>

inline constexpr int kMD5Size = 16;
inline constexpr int kSHA1Size = 20;

void ComputeMD5(std::string_view bytes, std::uint8_t (&digest)[kMD5Size]);
void ComputeSHA1(std::string_view bytes, std::uint8_t (&digest)[kSHA1Size]);
