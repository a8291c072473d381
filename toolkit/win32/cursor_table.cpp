#include "toolkit/win32/cursor_table.h"

#include <vector>

namespace toolkit::win32 {

CursorTable::~CursorTable() {
  for (HCURSOR cursor : made_) ::DestroyCursor(cursor);
}

HCURSOR CursorTable::Create(const Bitmap& image, Color transparentColor, Point hotSpot) {
  if (image.Empty()) return nullptr;
  const int width = image.Width();
  const int height = image.Height();
  const Color skip = ColorToRgb(transparentColor);
  // The AND mask is set where the screen shows through (rows of whole
  // 16-bit words); the colour image is black there.
  const int stride = (width + 15) / 16 * 2;
  std::vector<BYTE> mask(static_cast<std::size_t>(stride) * static_cast<std::size_t>(height), 0);
  std::vector<std::uint32_t> colors(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      const Color color = image.Pixel(x, y);
      if (color == skip) {
        mask[static_cast<std::size_t>(y * stride + x / 8)] |= static_cast<BYTE>(0x80 >> (x % 8));
      } else {
        colors[static_cast<std::size_t>(y * width + x)] = Bitmap::ToPixel(color) & 0x00FFFFFF;
      }
    }
  ICONINFO info{};
  info.fIcon = FALSE;
  info.xHotspot = static_cast<DWORD>(hotSpot.x);
  info.yHotspot = static_cast<DWORD>(hotSpot.y);
  info.hbmMask = ::CreateBitmap(width, height, 1, 1, mask.data());
  info.hbmColor = ::CreateBitmap(width, height, 1, 32, colors.data());
  HCURSOR cursor = info.hbmMask && info.hbmColor ? ::CreateIconIndirect(&info) : nullptr;
  if (info.hbmMask) ::DeleteObject(info.hbmMask);
  if (info.hbmColor) ::DeleteObject(info.hbmColor);
  if (cursor) made_.insert(cursor);
  return cursor;
}

void CursorTable::Register(int number, HCURSOR cursor) {
  if (number <= 0) return;
  if (cursor) {
    numbers_[number] = cursor;
  } else {
    numbers_.erase(number);
  }
}

HCURSOR CursorTable::Registered(int number) const {
  const auto found = numbers_.find(number);
  return found == numbers_.end() ? nullptr : found->second;
}

}  // namespace toolkit::win32
