// The headless drawing device. Every call is appended to a log; when the
// device draws into a bitmap, fills, lines, polygons, pixels and bitmap
// copies also change its pixels (text is recorded, and only its opaque
// background is filled).
//
// Font metrics are fixed so that layout is exact: every character of every
// font is a cell |Height| pixels high and |Height| / 2 pixels wide (at least
// 1); a 12-point font (Height -16) is 8 x 16.
#pragma once
#include <cstdint>
#include <vector>

#include "toolkit/canvas.h"
#include "toolkit/headless/draw_call.h"

namespace toolkit::headless {

Size CellSize(const Font& font);

// Lines as DrawText lays them out with the fixed metrics.
std::vector<String> LayoutLines(const Font& font, StringView text, int width, unsigned flags);

class RecordingDevice : public CanvasDevice {
 public:
  // log may be null (measuring only); pixels may be null (nothing rasterised).
  RecordingDevice(std::vector<DrawCall>* log, std::uint32_t* pixels, int width, int height);

  void Polyline(const Canvas& canvas, const Point* points, int count) override;
  void Polygon(const Canvas& canvas, const Point* points, int count) override;
  void Rectangle(const Canvas& canvas, const Rect& rect) override;
  void FillRect(const Canvas& canvas, const Rect& rect) override;
  void FrameRect(const Canvas& canvas, const Rect& rect) override;
  void TextOut(const Canvas& canvas, int x, int y, StringView text, const Rect* clip, unsigned options) override;
  void DrawText(const Canvas& canvas, StringView text, Rect& rect, unsigned flags) override;
  Size TextExtent(const Canvas& canvas, StringView text) override;
  void SetPixel(const Canvas& canvas, Point point, Color color) override;
  Color GetPixel(const Canvas& canvas, Point point) override;
  void DrawBitmap(const Canvas& canvas, const Rect& dest, const Bitmap& bitmap, const Rect& source,
                  Color transparentColor) override;
  void DrawThemed(const Canvas& canvas, const ThemedPart& part, const Rect& rect) override;
  void SetClip(const Rect* clip) override;
  void SetOrigin(Point origin) override { origin_ = origin; }
  std::uintptr_t NativeHandle() const override { return 0; }

 private:
  DrawCall& Record(const Canvas& canvas, const char* op);
  // Raster helpers take logical coordinates.
  void Plot(int x, int y, std::uint32_t pixel, const Rect* extraClip = nullptr);
  void Fill(const Rect& rect, std::uint32_t pixel, const Rect* extraClip = nullptr);
  void Line(Point from, Point to, std::uint32_t pixel);

  std::vector<DrawCall>* log_;
  DrawCall scratch_;
  std::uint32_t* pixels_;
  int width_;
  int height_;
  bool clipped_ = false;
  Rect clip_;
  Point origin_;
};

}  // namespace toolkit::headless
