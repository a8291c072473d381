#include "toolkit/graphics/bitmap_file.h"

#include <vector>

#include "toolkit/core/exceptions.h"

namespace toolkit {

namespace {

constexpr Char kInvalidBitmap[] = u"Bitmap image is not valid";
constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;

std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
         static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}
std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }

void Put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<std::uint8_t>(value >> shift));
}
void Put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
  out.push_back(static_cast<std::uint8_t>(value));
  out.push_back(static_cast<std::uint8_t>(value >> 8));
}

[[noreturn]] void Invalid() { throw InvalidOperation(kInvalidBitmap); }

}  // namespace

void ReadDib(const std::uint8_t* data, std::size_t size, Bitmap& bitmap) {
  if (size < kInfoHeaderSize) Invalid();
  const std::uint32_t headerSize = U32(data);
  if (headerSize < kInfoHeaderSize || headerSize > size) Invalid();
  const auto width = static_cast<std::int32_t>(U32(data + 4));
  const auto rawHeight = static_cast<std::int32_t>(U32(data + 8));
  const std::uint16_t bits = U16(data + 14);
  const std::uint32_t compression = U32(data + 16);
  std::uint32_t colours = U32(data + 32);
  const bool topDown = rawHeight < 0;
  const std::int64_t height = topDown ? -static_cast<std::int64_t>(rawHeight) : rawHeight;
  if (width <= 0 || height <= 0 || width > 32768 || height > 32768) Invalid();
  if (compression != 0 && !(compression == 3 && bits == 32)) Invalid();  // bit fields only in their plain layout
  if (bits != 1 && bits != 4 && bits != 8 && bits != 24 && bits != 32) Invalid();
  if (bits <= 8 && colours == 0) colours = 1u << bits;
  if (bits > 8) colours = 0;
  if (colours > 256) Invalid();
  std::size_t offset = headerSize + (compression == 3 && headerSize == kInfoHeaderSize ? 12 : 0);
  const std::uint8_t* palette = data + offset;
  offset += static_cast<std::size_t>(colours) * 4;
  const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
  if (offset > size || (size - offset) / stride < static_cast<std::size_t>(height)) Invalid();
  const std::uint8_t* pixels = data + offset;

  Bitmap decoded(width, static_cast<int>(height));
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* row = pixels + stride * static_cast<std::size_t>(topDown ? y : height - 1 - y);
    std::uint32_t* out = decoded.ScanLine(y);
    for (int x = 0; x < width; ++x) {
      std::uint32_t pixel = 0;
      if (bits == 32) {
        pixel = U32(row + 4 * x) & 0xFFFFFF;
      } else if (bits == 24) {
        const std::uint8_t* p = row + 3 * x;
        pixel = static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
                static_cast<std::uint32_t>(p[2]) << 16;
      } else {
        const std::size_t bit = static_cast<std::size_t>(x) * bits;
        const unsigned index = (row[bit / 8] >> (8 - bits - bit % 8)) & ((1u << bits) - 1);
        if (index >= colours) Invalid();
        pixel = U32(palette + 4 * index) & 0xFFFFFF;
      }
      out[x] = pixel;
    }
  }
  bitmap.Assign(&decoded);
}

void ReadBitmapFile(Stream& stream, Bitmap& bitmap) {
  const std::int64_t left = stream.Size() - stream.Position();
  if (left < static_cast<std::int64_t>(kFileHeaderSize + kInfoHeaderSize) || left > (std::int64_t{1} << 32)) Invalid();
  std::vector<std::uint8_t> bytes(static_cast<std::size_t>(left));
  stream.ReadBuffer(bytes.data(), left);
  if (bytes[0] != 'B' || bytes[1] != 'M') Invalid();
  const std::uint32_t pixelOffset = U32(bytes.data() + 10);
  // The file header's pixel offset wins over the size the colour table implies.
  std::vector<std::uint8_t> dib(bytes.begin() + kFileHeaderSize, bytes.end());
  const std::uint32_t headerSize = U32(dib.data());
  const std::uint16_t bits = U16(dib.data() + 14);
  std::uint32_t colours = U32(dib.data() + 32);
  if (bits <= 8 && colours == 0) colours = 1u << bits;
  if (bits > 8) colours = 0;
  const std::uint32_t compression = U32(dib.data() + 16);
  const std::uint64_t implied = kFileHeaderSize + std::uint64_t{headerSize} +
                                (compression == 3 && headerSize == kInfoHeaderSize ? 12 : 0) +
                                std::uint64_t{colours} * 4;
  if (pixelOffset < implied || pixelOffset > bytes.size()) Invalid();
  dib.erase(dib.begin() + static_cast<std::ptrdiff_t>(implied - kFileHeaderSize),
            dib.begin() + static_cast<std::ptrdiff_t>(pixelOffset - kFileHeaderSize));
  ReadDib(dib.data(), dib.size(), bitmap);
}

void WriteBitmapFile(Stream& stream, const Bitmap& bitmap) {
  if (bitmap.Empty()) Invalid();
  const auto width = static_cast<std::uint32_t>(bitmap.Width());
  const auto height = static_cast<std::uint32_t>(bitmap.Height());
  const std::uint32_t imageSize = width * height * 4;
  std::vector<std::uint8_t> out;
  out.reserve(kFileHeaderSize + kInfoHeaderSize + imageSize);
  out.push_back('B');
  out.push_back('M');
  Put32(out, static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize) + imageSize);
  Put32(out, 0);
  Put32(out, static_cast<std::uint32_t>(kFileHeaderSize + kInfoHeaderSize));
  Put32(out, kInfoHeaderSize);
  Put32(out, width);
  Put32(out, static_cast<std::uint32_t>(-static_cast<std::int32_t>(height)));  // top-down rows
  Put16(out, 1);
  Put16(out, 32);
  Put32(out, 0);
  Put32(out, imageSize);
  Put32(out, 3780);  // 96 dots per inch
  Put32(out, 3780);
  Put32(out, 0);
  Put32(out, 0);
  for (std::uint32_t y = 0; y < height; ++y) {
    const std::uint32_t* row = bitmap.ScanLine(static_cast<int>(y));
    for (std::uint32_t x = 0; x < width; ++x) Put32(out, row[x] & 0xFFFFFF);
  }
  stream.WriteBuffer(out.data(), static_cast<std::int64_t>(out.size()));
}

}  // namespace toolkit
