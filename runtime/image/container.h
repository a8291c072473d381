// Finding a compiled image at the end of a file's bytes: the trailer gives
// the form and the payload length, the header must agree with it.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

#include "image/image_format.h"

struct ImageLocation {
  std::size_t start;  // offset of the header in the bytes
  uint32_t payloadLength;
  ImageForm form;

  std::size_t PayloadStart() const { return start + kImageHeaderSize; }
  std::size_t Size() const { return std::size_t(payloadLength) + kImageHeaderSize + kImageTrailerSize; }
};

// The cheap test: the bytes end with the trailer tag.
bool EndsWithImageTag(std::string_view bytes);
// Header, payload and trailer size of the image whose last 8 bytes these are;
// a bad tag or form byte is a bad format.
uint64_t ImageSizeFromTrailer(std::string_view trailer);
// Nothing when the bytes do not end with a well-formed image.
std::optional<ImageLocation> FindImage(std::string_view bytes);
ImageLocation LocateImage(std::string_view bytes);
