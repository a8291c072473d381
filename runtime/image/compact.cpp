#include "image/compact.h"

#include <string>

#include "image/bad_format.h"
#include "image/image_format.h"
#include "platform/codepage.h"
#include "sys/os_text.h"

namespace {

constexpr uint8_t kLongForm = 0x80;
constexpr uint8_t kSignBit = 0x40;

uint64_t LittleEndian(const uint8_t* bytes, int count) {
  uint64_t value = 0;
  for (int i = count; i-- > 0;) value = value << 8 | bytes[i];
  return value;
}

}  // namespace

// Long form: sign in bit 6, value byte count - 1 in bits 5-4, a left shift
// in bits 3-0.
int32_t ReadCompactInt(ByteCursor& in) {
  const uint8_t first = in.Byte();
  if (first < kLongForm) return first ^ kCompactKey;
  const int count = ((first >> 4) & 3) + 1;
  const uint64_t magnitude = LittleEndian(in.Bytes(count), count) << (first & 0x0F);
  const bool negative = first & kSignBit;
  if (magnitude > (negative ? 0x80000000u : 0x7FFFFFFFu)) RaiseBadFormat();
  return static_cast<int32_t>(negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude));
}

std::string_view ReadCompactBytes(ByteCursor& in) {
  const int32_t length = ReadCompactInt(in);
  if (length < 0) RaiseBadFormat();
  return {reinterpret_cast<const char*>(in.Bytes(length)), static_cast<std::size_t>(length)};
}

Text ReadCompactText(ByteCursor& in) {
  std::u16string wide;
  platform::DecodeCodePage(platform::kCodePageUtf8, ReadCompactBytes(in), wide);
  return TextFromUtf16(wide);
}
