#include "regex/utf8_walk.h"

std::size_t Utf8CharEnd(std::string_view bytes, std::size_t offset) {
  std::size_t end = offset + 1;
  while (end < bytes.size() && end - offset < 4 && IsUtf8Continuation(bytes[end])) ++end;
  return end;
}

int32_t Utf16UnitsBefore(std::string_view bytes, std::size_t offset) {
  int32_t units = 0;
  for (std::size_t i = 0; i < offset && i < bytes.size(); ++i) {
    const auto byte = static_cast<unsigned char>(bytes[i]);
    if (!IsUtf8Continuation(bytes[i])) units += byte >= 0xF0 ? 2 : 1;
  }
  return units;
}
