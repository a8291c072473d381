#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "headless_fixture.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/bitmap_file.h"

using namespace toolkit;

namespace {

// A bottom-up file with a colour table, built byte by byte.
std::vector<std::uint8_t> PaletteFile(int bits, int width, int height, const std::vector<std::uint8_t>& rows,
                                      const std::vector<std::uint32_t>& palette) {
  std::vector<std::uint8_t> out;
  auto put32 = [&](std::uint32_t v) {
    for (int s = 0; s < 32; s += 8) out.push_back(static_cast<std::uint8_t>(v >> s));
  };
  auto put16 = [&](std::uint16_t v) {
    out.push_back(static_cast<std::uint8_t>(v));
    out.push_back(static_cast<std::uint8_t>(v >> 8));
  };
  const auto offset = static_cast<std::uint32_t>(54 + palette.size() * 4);
  out.push_back('B');
  out.push_back('M');
  put32(static_cast<std::uint32_t>(offset + rows.size()));
  put32(0);
  put32(offset);
  put32(40);
  put32(static_cast<std::uint32_t>(width));
  put32(static_cast<std::uint32_t>(height));
  put16(1);
  put16(static_cast<std::uint16_t>(bits));
  put32(0);
  put32(static_cast<std::uint32_t>(rows.size()));
  put32(0);
  put32(0);
  put32(static_cast<std::uint32_t>(palette.size()));
  put32(0);
  for (std::uint32_t entry : palette) put32(entry);
  out.insert(out.end(), rows.begin(), rows.end());
  return out;
}

void Read(const std::vector<std::uint8_t>& bytes, Bitmap& bitmap) {
  MemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  stream.SetPosition(0);
  ReadBitmapFile(stream, bitmap);
}

TEST_F(HeadlessTest, BitmapFilesRoundTrip) {
  Bitmap original(5, 3);
  original.Fill(clTeal);
  original.SetPixel(4, 0, clRed);
  original.SetPixel(0, 2, Rgb(1, 2, 3));
  MemoryStream stream;
  WriteBitmapFile(stream, original);
  EXPECT_EQ(stream.Size(), 54 + 5 * 3 * 4);
  stream.SetPosition(0);
  Bitmap copy;
  ReadBitmapFile(stream, copy);
  ASSERT_EQ(copy.Width(), 5);
  ASSERT_EQ(copy.Height(), 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(copy.Pixel(x, y), original.Pixel(x, y)) << x << "," << y;
}

TEST_F(HeadlessTest, PalettedBottomUpBitmapsAreRead) {
  // 1 bit: rows of 4 bytes, the last row of the file is the top row.
  const std::vector<std::uint8_t> mono = {0x80, 0, 0, 0, 0x40, 0, 0, 0};
  Bitmap bitmap;
  Read(PaletteFile(1, 3, 2, mono, {0x000000, 0xFFFFFF}), bitmap);
  EXPECT_EQ(bitmap.Pixel(1, 0), clWhite);  // top row is the second in the file
  EXPECT_EQ(bitmap.Pixel(0, 1), clWhite);
  EXPECT_EQ(bitmap.Pixel(0, 0), clBlack);
  // 8 bits with a short colour table.
  const std::vector<std::uint8_t> indexed = {2, 0, 1, 0};
  Read(PaletteFile(8, 3, 1, indexed, {0x0000FF, 0x00FF00, 0xFF0000}), bitmap);
  EXPECT_EQ(bitmap.Pixel(0, 0), clRed);
  EXPECT_EQ(bitmap.Pixel(1, 0), clBlue);
  EXPECT_EQ(bitmap.Pixel(2, 0), clLime);
}

TEST_F(HeadlessTest, DamagedBitmapFilesAreRefusedWhole) {
  const std::vector<std::uint8_t> good = PaletteFile(8, 3, 1, {0, 1, 0, 0}, {0, 0xFFFFFF});
  const std::vector<std::function<void(std::vector<std::uint8_t>&)>> damages = {
      [](auto& b) { b[0] = 'X'; },                  // not a bitmap
      [](auto& b) { b.pop_back(); },                // pixels cut short
      [](auto& b) { b[54 + 8] = 7; },               // an index beyond the colour table
      [](auto& b) { b[18 + 3] = 0x7F; },            // absurd width
      [](auto& b) { b[28] = 12; },                  // unknown bit count
      [](auto& b) { b[30] = 1; },                   // run-length compression
      [](auto& b) { b[10] = 0xFF; b[11] = 0xFF; },  // pixels beyond the end
      [](auto& b) { b.resize(20); },                // no header
  };
  for (std::size_t i = 0; i < damages.size(); ++i) {
    std::vector<std::uint8_t> bytes = good;
    damages[i](bytes);
    Bitmap bitmap(2, 2);
    bitmap.Fill(clRed);
    try {
      Read(bytes, bitmap);
      ADD_FAILURE() << "damage " << i << " was accepted";
    } catch (const Exception& error) {
      EXPECT_STREQ(error.what(), "Bitmap image is not valid") << i;
    }
    EXPECT_EQ(bitmap.Width(), 2) << i;  // the bitmap keeps its old picture
    EXPECT_EQ(bitmap.Pixel(1, 1), clRed) << i;
  }
  Bitmap empty;
  MemoryStream stream;
  EXPECT_THROW(WriteBitmapFile(stream, empty), InvalidOperation);
}

}  // namespace
