// A drawing surface with a font, pen and brush; the drawing itself is done by
// the device the backend attached.
#pragma once
#include <memory>
#include <span>
#include <vector>

#include "toolkit/graphics/canvas_device.h"
#include "toolkit/graphics/graphics_objects.h"

namespace toolkit {

class Canvas;

// A picture a canvas draws whole: it knows its size and draws itself, so the
// canvas needs to know no kind of picture.
class Graphic : public GraphicsObject {
 public:
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  // The whole picture stretched onto dest.
  virtual void DrawOn(Canvas& canvas, const Rect& dest) const = 0;
};

class Canvas : public Object {
 public:
  Canvas();
  ~Canvas() override;
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  Font& GetFont() { return font_; }
  const Font& GetFont() const { return font_; }
  Pen& GetPen() { return pen_; }
  const Pen& GetPen() const { return pen_; }
  Brush& GetBrush() { return brush_; }
  const Brush& GetBrush() const { return brush_; }

  bool HandleAllocated() const { return device_ != nullptr; }
  void SetDevice(std::unique_ptr<CanvasDevice> device);
  std::unique_ptr<CanvasDevice> ReleaseDevice();
  CanvasDevice* Device() const { return device_.get(); }
  std::uintptr_t Handle() const;

  Point PenPos() const { return penPos_; }
  void MoveTo(int x, int y) { penPos_ = {x, y}; }
  void LineTo(int x, int y);
  void Polyline(const std::vector<Point>& points);
  void Polygon(const std::vector<Point>& points);
  void Rectangle(const Rect& rect);
  void FillRect(const Rect& rect);
  void FrameRect(const Rect& rect);
  void TextOut(int x, int y, StringView text);
  // Text clipped to the rectangle with the canvas's text flags plus clipping,
  // filled with the brush unless the brush is clear.
  void TextRect(const Rect& rect, int x, int y, StringView text);
  void DrawText(StringView text, Rect& rect, unsigned flags);
  Size TextExtent(StringView text) const;
  int TextWidth(StringView text) const { return TextExtent(text).cx; }
  int TextHeight(StringView text) const { return TextExtent(text).cy; }
  Color Pixel(int x, int y) const;
  void SetPixel(int x, int y, Color color);
  void Draw(int x, int y, const Graphic& graphic);
  void StretchDraw(const Rect& dest, const Graphic& graphic);
  // Nothing for an empty bitmap.
  void DrawPart(const Rect& dest, const Bitmap& bitmap, const Rect& source, Color transparentColor = clNone);
  void DrawThemed(const ThemedPart& part, const Rect& rect);
  // The platform's edge kinds on the given sides (edge::, bf::), classic or
  // drawn by the theme of a part; with bf::Adjust the rectangle shrinks to
  // what lies inside the edge.
  void DrawEdge(Rect& rect, unsigned edges, unsigned sides, const ThemedPart* themed = nullptr);
  // Text whose characters advance by the given widths, one per character
  // (fewer is an error); options are toOpaque and toClipped, with the rectangle.
  void ExtTextOut(int x, int y, unsigned options, const Rect* rect, StringView text, std::span<const int> advances);
  FontMetrics GetFontMetrics() const;
  // The A-B-C widths of first..last into widths (last - first + 1 of them);
  // false when the font cannot tell them.
  bool CharAbcWidths(char16_t first, char16_t last, AbcWidth* widths) const;
  void RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight);
  void DrawFocusRect(const Rect& rect);
  // Where patterned brushes start, in logical coordinates.
  Point BrushOrigin() const { return brushOrigin_; }
  void SetBrushOrigin(Point origin);
  // Moves what lies in scroll (within clip) by dx, dy; update, when given,
  // receives the uncovered part that needs painting.
  void ScrollDC(int dx, int dy, const Rect& scroll, const Rect& clip, Rect* update = nullptr);
  // Copies pixels from another canvas (a bitmap's, the screen's).
  void CopyRect(const Rect& dest, Canvas& source, const Rect& sourceRect);

  // Extra text output options (toRtlReading and the like).
  unsigned TextFlags = 0;

  // The clip in logical coordinates; none means the whole surface.
  bool HasClip() const { return hasClip_; }
  Rect ClipRect() const { return clip_; }
  void SetClipRect(const Rect& clip);
  void IntersectClipRect(const Rect& clip);
  void RemoveClip();
  // A clip of several rectangles; ClipRect() then answers its bounds.
  bool HasClipRegion() const { return hasRegion_; }
  const Region& ClipRegion() const { return region_; }
  void SetClipRegion(const Region& region);
  Point Origin() const { return origin_; }
  void SetOrigin(Point origin);

  NotifyEvent OnChange;

 private:
  CanvasDevice& RequireDevice() const;

  Font font_;
  Pen pen_;
  Brush brush_;
  std::unique_ptr<CanvasDevice> device_;
  Point penPos_;
  bool hasClip_ = false;
  Rect clip_;
  Point origin_;
  bool hasRegion_ = false;
  Region region_;
  Point brushOrigin_;
};

}  // namespace toolkit
