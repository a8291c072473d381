// The headless drawing device. Every call is appended to a log; when the
// device draws into a bitmap, fills, lines, polygons, pixels and bitmap
// copies also change its pixels (text is recorded, and only its opaque
// background is filled).
//
// Font metrics are fixed so that layout is exact: every character of every
// font is a cell |Height| pixels high and, unless a test set other widths
// (glyph_widths.h), |Height| / 2 pixels wide (at least 1); a 12-point font
// (Height -16) is 8 x 16.
#pragma once
#include <cstdint>
#include <vector>

#include "toolkit/graphics/canvas.h"
#include "toolkit/headless/draw_call.h"
#include "toolkit/headless/glyph_widths.h"

namespace toolkit::headless {

class RecordingDevice : public CanvasDevice {
 public:
  // log may be null (measuring only); pixels may be null (nothing rasterised).
  RecordingDevice(std::vector<DrawCall>* log, std::uint32_t* pixels, int width, int height);

#include "toolkit/graphics/canvas_device_overrides.inc"

 private:
  DrawCall& Record(const Canvas& canvas, const char* op);
  // Raster helpers take logical coordinates.
  void Plot(int x, int y, std::uint32_t pixel, const Rect* extraClip = nullptr);
  void Fill(const Rect& rect, std::uint32_t pixel, const Rect* extraClip = nullptr);
  void Line(Point from, Point to, std::uint32_t pixel);
  bool Clipped(int x, int y) const;
  // The pixels' area in logical coordinates.
  Rect Surface() const;
  std::uint32_t* PixelAt(Point logical);

  std::vector<DrawCall>* log_;
  DrawCall scratch_;
  std::uint32_t* pixels_;
  int width_;
  int height_;
  bool clipped_ = false;
  Rect clip_;
  bool hasRegion_ = false;
  Region region_;
  Point origin_;
  Point brushOrigin_;
};

}  // namespace toolkit::headless
