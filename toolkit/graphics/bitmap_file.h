// Bitmaps in the platform's BMP format: files with their header, and bare
// device-independent bitmaps as resources hold them. Reading takes 1, 4, 8,
// 24 and 32 bits per pixel, uncompressed, rows either way up; writing makes
// 32-bit files. Damaged data is an error, never a partial picture.
#pragma once
#include <cstddef>
#include <cstdint>

#include "toolkit/core/stream.h"
#include "toolkit/graphics/bitmap.h"

namespace toolkit {

// A DIB: an info header, the colour table, the pixels.
void ReadDib(const std::uint8_t* data, std::size_t size, Bitmap& bitmap);
// A BMP file from the stream's position to its end.
void ReadBitmapFile(Stream& stream, Bitmap& bitmap);
void WriteBitmapFile(Stream& stream, const Bitmap& bitmap);

}  // namespace toolkit
