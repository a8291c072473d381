#include "runtime/sys/digest.h"

#include <cstdint>

namespace runtime {

namespace {

template <int N>
Text Hex(const std::uint8_t (&digest)[N]) {
  static constexpr char kDigits[] = "0123456789abcdef";
  Text text;
  text.reserve(2 * N);
  for (std::uint8_t byte : digest) {
    text += static_cast<Char>(kDigits[byte >> 4]);
    text += static_cast<Char>(kDigits[byte & 15]);
  }
  return text;
}

}  // namespace

Text HashMD5Hex(std::string_view bytes) {
  std::uint8_t digest[kMD5Size];
  ComputeMD5(bytes, digest);
  return Hex(digest);
}

Text HashSHA1Hex(std::string_view bytes) {
  std::uint8_t digest[kSHA1Size];
  ComputeSHA1(bytes, digest);
  return Hex(digest);
}

}  // namespace runtime
