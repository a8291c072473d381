// What a backend implements to draw: the canvas hands every call here with
// itself, so the device reads the current font, pen and brush.
#pragma once
#include <cstdint>

#include "toolkit/core/geometry.h"
#include "toolkit/core/text.h"
#include "toolkit/graphics/color.h"
#include "toolkit/graphics/region.h"

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

// A font's measures in pixels, as the platform's text metrics give them.
struct FontMetrics {
  int height = 0;
  int ascent = 0;
  int descent = 0;
  int averageWidth = 0;
  int maxWidth = 0;
  // Extra width that bold or italic synthesis adds to a run.
  int overhang = 0;
};

// One character's A-B-C widths: space before the ink, the ink, space after
// (A and C may be negative where the ink reaches over its neighbours).
struct AbcWidth {
  int a = 0;
  int b = 0;
  int c = 0;
  friend bool operator==(const AbcWidth&, const AbcWidth&) = default;
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
  // Text with each character's advance given; the clip rectangle and
  // options as for TextOut.
  virtual void TextOutAdvances(const Canvas& canvas, int x, int y, StringView text, const Rect* clip,
                               unsigned options, const int* advances) = 0;
  virtual FontMetrics GetFontMetrics(const Canvas& canvas) = 0;
  // The widths of the characters first..last into widths; false when the
  // font cannot tell them.
  virtual bool CharAbcWidths(const Canvas& canvas, char16_t first, char16_t last, AbcWidth* widths) = 0;
  virtual void RoundRect(const Canvas& canvas, const Rect& rect, int ellipseWidth, int ellipseHeight) = 0;
  // The dotted focus band, drawn by inverting so a second call takes it away.
  virtual void DrawFocusRect(const Canvas& canvas, const Rect& rect) = 0;
  // Where a patterned brush starts, in logical coordinates.
  virtual void SetBrushOrigin(Point origin) = 0;
  // Clip region in logical coordinates, replacing the clip rectangle;
  // SetClip goes back to a rectangle or none.
  virtual void SetClipRegion(const Region& region) = 0;
  // Moves the pixels of scroll (cut by clip) by dx, dy; update receives the
  // part of the clip the move uncovered.
  virtual void ScrollDC(const Canvas& canvas, int dx, int dy, const Rect& scroll, const Rect& clip,
                        Rect* update) = 0;
  // Copies the pixels of another device's source rectangle to dest.
  virtual void CopyRect(const Canvas& canvas, const Rect& dest, CanvasDevice& source, const Rect& sourceRect) = 0;
};

}  // namespace toolkit
