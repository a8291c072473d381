#include "image/byte_cursor.h"

#include "image/bad_format.h"

uint8_t ByteCursor::Byte() { return *Bytes(1); }

const uint8_t* ByteCursor::Bytes(std::size_t count) {
  if (count > Remaining()) RaiseBadFormat();
  const uint8_t* bytes = data_ + position_;
  position_ += count;
  return bytes;
}
