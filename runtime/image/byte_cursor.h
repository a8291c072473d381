// Bounds-checked reading of an image's bytes: running past the end is a bad
// format, never a read outside the buffer.
#pragma once
#include <cstddef>
#include <cstdint>

class ByteCursor {
public:
  ByteCursor() = default;
  ByteCursor(const uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  uint8_t Byte();
  // The next count bytes, which stay in the buffer.
  const uint8_t* Bytes(std::size_t count);

  bool AtEnd() const { return position_ == size_; }
  std::size_t Remaining() const { return size_ - position_; }
  std::size_t Position() const { return position_; }

private:
  const uint8_t* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t position_ = 0;
};
