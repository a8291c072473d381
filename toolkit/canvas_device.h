// What a backend implements to draw: the canvas hands every call here with
// itself, so the device reads the current font, pen and brush.
#pragma once
#include <cstdint>

#include "toolkit/color.h"
#include "toolkit/geometry.h"
#include "toolkit/text.h"

namespace toolkit {

class Canvas;
class Bitmap;

// Text output options.
enum TextOutOption : unsigned { toOpaque = 2, toClipped = 4, toRtlReading = 0x80 };

// DrawText flags, with the values of the platform's own.
enum DrawTextFlag : unsigned {
  dtLeft = 0,
  dtCenter = 1,
  dtRight = 2,
  dtVCenter = 4,
  dtBottom = 8,
  dtWordBreak = 0x10,
  dtSingleLine = 0x20,
  dtNoClip = 0x100,
  dtCalcRect = 0x400,
  dtNoPrefix = 0x800,
  dtEndEllipsis = 0x8000,
};

// A themed part to paint: which element family, part and state, as the
// platform's theme data numbers them.
enum class ThemeElement { Button, Header, TreeView, Edit, Window };
struct ThemedPart {
  ThemeElement element = ThemeElement::Button;
  int part = 0;
  int state = 0;
};

class CanvasDevice {
 public:
  virtual ~CanvasDevice() = default;

  virtual void Polyline(const Canvas& canvas, const Point* points, int count) = 0;
  virtual void Polygon(const Canvas& canvas, const Point* points, int count) = 0;
  virtual void Rectangle(const Canvas& canvas, const Rect& rect) = 0;
  virtual void FillRect(const Canvas& canvas, const Rect& rect) = 0;
  virtual void FrameRect(const Canvas& canvas, const Rect& rect) = 0;
  virtual void TextOut(const Canvas& canvas, int x, int y, StringView text, const Rect* clip, unsigned options) = 0;
  // With dtCalcRect only measures: rect grows or shrinks to the text.
  virtual void DrawText(const Canvas& canvas, StringView text, Rect& rect, unsigned flags) = 0;
  virtual Size TextExtent(const Canvas& canvas, StringView text) = 0;
  virtual void SetPixel(const Canvas& canvas, Point point, Color color) = 0;
  virtual Color GetPixel(const Canvas& canvas, Point point) = 0;
  // Copies the source part of the bitmap to dest; with a transparent colour
  // the pixels of that colour are left out.
  virtual void DrawBitmap(const Canvas& canvas, const Rect& dest, const Bitmap& bitmap, const Rect& source,
                          Color transparentColor) = 0;
  virtual void DrawThemed(const Canvas& canvas, const ThemedPart& part, const Rect& rect) = 0;
  // Clip rectangle in logical coordinates, or none.
  virtual void SetClip(const Rect* clip) = 0;
  // The logical point that maps to the device's top-left corner.
  virtual void SetOrigin(Point origin) = 0;
  // The platform's device context, 0 where there is none.
  virtual std::uintptr_t NativeHandle() const = 0;
};

}  // namespace toolkit
