// What a backend implements to draw: the canvas hands every call here with
// itself, so the device reads the current font, pen and brush.
#pragma once
#include <cstdint>

#include "toolkit/core/geometry.h"
#include "toolkit/core/text.h"
#include "toolkit/graphics/color.h"

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

// DrawEdge kinds and sides, with the values of the platform's own.
namespace edge {
inline constexpr unsigned RaisedOuter = 1;
inline constexpr unsigned SunkenOuter = 2;
inline constexpr unsigned RaisedInner = 4;
inline constexpr unsigned SunkenInner = 8;
inline constexpr unsigned Raised = RaisedOuter | RaisedInner;
inline constexpr unsigned Sunken = SunkenOuter | SunkenInner;
inline constexpr unsigned Etched = SunkenOuter | RaisedInner;
inline constexpr unsigned Bump = RaisedOuter | SunkenInner;
}  // namespace edge
namespace bf {
inline constexpr unsigned Left = 1;
inline constexpr unsigned Top = 2;
inline constexpr unsigned Right = 4;
inline constexpr unsigned Bottom = 8;
inline constexpr unsigned Rect = Left | Top | Right | Bottom;
inline constexpr unsigned Middle = 0x800;
inline constexpr unsigned Soft = 0x1000;
inline constexpr unsigned Adjust = 0x2000;
inline constexpr unsigned Flat = 0x4000;
inline constexpr unsigned Mono = 0x8000;
}  // namespace bf

// The rectangle inside the edges drawn on the given sides: each ring (outer,
// inner) present in edges takes one pixel.
Rect InsideEdge(const Rect& rect, unsigned edges, unsigned sides);

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
  // An edge of the given kinds on the given sides (edge::, bf::), drawn by
  // the theme of the part when one is given.
  virtual void DrawEdge(const Canvas& canvas, const Rect& rect, unsigned edges, unsigned sides,
                        const ThemedPart* themed) = 0;
  // Clip rectangle in logical coordinates, or none.
  virtual void SetClip(const Rect* clip) = 0;
  // The logical point that maps to the device's top-left corner.
  virtual void SetOrigin(Point origin) = 0;
  // The platform's device context, 0 where there is none.
  virtual std::uintptr_t NativeHandle() const = 0;
};

}  // namespace toolkit
