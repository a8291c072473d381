#include "toolkit/headless/recording_device.h"

#include <algorithm>
#include <cstdlib>

#include "toolkit/graphics/bitmap.h"

namespace toolkit::headless {

RecordingDevice::RecordingDevice(std::vector<DrawCall>* log, std::uint32_t* pixels, int width, int height)
    : log_(log), pixels_(pixels), width_(width), height_(height) {}

DrawCall& RecordingDevice::Record(const Canvas& canvas, const char* op) {
  DrawCall call;
  call.op = op;
  call.penColor = canvas.GetPen().PenColor();
  call.penStyle = canvas.GetPen().Style();
  call.brushColor = canvas.GetBrush().BrushColor();
  call.brushStyle = canvas.GetBrush().Style();
  call.fontName = canvas.GetFont().Name();
  call.fontHeight = canvas.GetFont().Height();
  call.fontColor = canvas.GetFont().FontColor();
  call.fontStyle = canvas.GetFont().Style();
  call.clipped = clipped_;
  call.clip = clip_;
  if (hasRegion_) call.clipRegion = region_.Rects();
  call.origin = origin_;
  call.brushOrigin = brushOrigin_;
  if (!log_) {
    scratch_ = call;
    return scratch_;
  }
  log_->push_back(call);
  return log_->back();
}

Rect RecordingDevice::Surface() const { return Rect{0, 0, width_, height_}.Offset(origin_.x, origin_.y); }

bool RecordingDevice::Clipped(int x, int y) const {
  if (hasRegion_) return !region_.Contains({x, y});
  return clipped_ && !clip_.Contains({x, y});
}

std::uint32_t* RecordingDevice::PixelAt(Point logical) {
  const int dx = logical.x - origin_.x;
  const int dy = logical.y - origin_.y;
  if (!pixels_ || dx < 0 || dy < 0 || dx >= width_ || dy >= height_) return nullptr;
  return pixels_ + static_cast<std::size_t>(dy) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(dx);
}

void RecordingDevice::Plot(int x, int y, std::uint32_t pixel, const Rect* extraClip) {
  if (!pixels_) return;
  if (Clipped(x, y)) return;
  if (extraClip && !extraClip->Contains({x, y})) return;
  const int dx = x - origin_.x;
  const int dy = y - origin_.y;
  if (dx < 0 || dy < 0 || dx >= width_ || dy >= height_) return;
  pixels_[static_cast<std::size_t>(dy) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(dx)] = pixel;
}

void RecordingDevice::Fill(const Rect& rect, std::uint32_t pixel, const Rect* extraClip) {
  if (!pixels_) return;
  // Limit the loop to the surface so huge rectangles cost nothing.
  Rect area = rect.Intersect(Surface());
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) Plot(x, y, pixel, extraClip);
}

void RecordingDevice::Line(Point from, Point to, std::uint32_t pixel) {
  // Bresenham; the end point is left out, as the platform does.
  int x = from.x;
  int y = from.y;
  const int dx = std::abs(to.x - x);
  const int dy = -std::abs(to.y - y);
  const int sx = x < to.x ? 1 : -1;
  const int sy = y < to.y ? 1 : -1;
  int error = dx + dy;
  while (x != to.x || y != to.y) {
    Plot(x, y, pixel);
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x += sx;
    }
    if (twice <= dx) {
      error += dx;
      y += sy;
    }
  }
}

void RecordingDevice::Polyline(const Canvas& canvas, const Point* points, int count) {
  DrawCall& call = Record(canvas, "Polyline");
  call.points.assign(points, points + count);
  if (canvas.GetPen().Style() == PenStyle::Clear) return;
  const std::uint32_t pixel = Bitmap::ToPixel(canvas.GetPen().PenColor());
  for (int i = 1; i < count; ++i) Line(points[i - 1], points[i], pixel);
}

void RecordingDevice::Polygon(const Canvas& canvas, const Point* points, int count) {
  DrawCall& call = Record(canvas, "Polygon");
  call.points.assign(points, points + count);
  if (!pixels_) return;
  if (canvas.GetBrush().Style() != BrushStyle::Clear) {
    // Even-odd fill sampled at pixel centres.
    const std::uint32_t pixel = Bitmap::ToPixel(canvas.GetBrush().BrushColor());
    int top = points[0].y;
    int bottom = points[0].y;
    for (int i = 1; i < count; ++i) {
      top = std::min(top, points[i].y);
      bottom = std::max(bottom, points[i].y);
    }
    for (int y = top; y < bottom; ++y) {
      std::vector<double> crossings;
      const double cy = y + 0.5;
      for (int i = 0; i < count; ++i) {
        const Point a = points[i];
        const Point b = points[(i + 1) % count];
        if ((a.y <= cy) == (b.y <= cy)) continue;
        crossings.push_back(a.x + (cy - a.y) * (b.x - a.x) / (b.y - a.y));
      }
      std::sort(crossings.begin(), crossings.end());
      for (std::size_t k = 0; k + 1 < crossings.size(); k += 2)
        for (int x = static_cast<int>(crossings[k] + 0.5); x < static_cast<int>(crossings[k + 1] + 0.5); ++x)
          Plot(x, y, pixel);
    }
  }
  if (canvas.GetPen().Style() != PenStyle::Clear) {
    const std::uint32_t pen = Bitmap::ToPixel(canvas.GetPen().PenColor());
    for (int i = 0; i < count; ++i) Line(points[i], points[(i + 1) % count], pen);
  }
}

void RecordingDevice::Rectangle(const Canvas& canvas, const Rect& rect) {
  Record(canvas, "Rectangle").rect = rect;
  if (canvas.GetBrush().Style() != BrushStyle::Clear)
    Fill(rect, Bitmap::ToPixel(canvas.GetBrush().BrushColor()));
  if (canvas.GetPen().Style() != PenStyle::Clear) {
    const std::uint32_t pen = Bitmap::ToPixel(canvas.GetPen().PenColor());
    Fill({rect.left, rect.top, rect.right, rect.top + 1}, pen);
    Fill({rect.left, rect.bottom - 1, rect.right, rect.bottom}, pen);
    Fill({rect.left, rect.top, rect.left + 1, rect.bottom}, pen);
    Fill({rect.right - 1, rect.top, rect.right, rect.bottom}, pen);
  }
}

void RecordingDevice::FillRect(const Canvas& canvas, const Rect& rect) {
  Record(canvas, "FillRect").rect = rect;
  if (canvas.GetBrush().Style() != BrushStyle::Clear) Fill(rect, Bitmap::ToPixel(canvas.GetBrush().BrushColor()));
}

void RecordingDevice::FrameRect(const Canvas& canvas, const Rect& rect) {
  Record(canvas, "FrameRect").rect = rect;
  const std::uint32_t pixel = Bitmap::ToPixel(canvas.GetBrush().BrushColor());
  Fill({rect.left, rect.top, rect.right, rect.top + 1}, pixel);
  Fill({rect.left, rect.bottom - 1, rect.right, rect.bottom}, pixel);
  Fill({rect.left, rect.top, rect.left + 1, rect.bottom}, pixel);
  Fill({rect.right - 1, rect.top, rect.right, rect.bottom}, pixel);
}

void RecordingDevice::TextOut(const Canvas& canvas, int x, int y, StringView text, const Rect* clip,
                              unsigned options) {
  DrawCall& call = Record(canvas, "TextOut");
  call.points = {{x, y}};
  call.text = String(text);
  call.flags = options;
  if (clip) call.rect = *clip;
  if (!(options & toOpaque)) return;
  const Size extent = TextExtent(canvas, text);
  const std::uint32_t pixel = Bitmap::ToPixel(canvas.GetBrush().BrushColor());
  // With a clip rectangle the platform fills all of it; without, the text box.
  if (clip) {
    Fill(*clip, pixel);
  } else {
    Fill(MakeBounds(x, y, extent.cx, extent.cy), pixel);
  }
}

void RecordingDevice::DrawText(const Canvas& canvas, StringView text, Rect& rect, unsigned flags) {
  const Size cell = CellSize(canvas.GetFont());
  const std::vector<String> lines = LayoutLines(canvas.GetFont(), text, rect.Width(), flags);
  if (flags & dtCalcRect) {
    int longest = 0;
    for (const String& line : lines) longest = std::max(longest, headless::TextWidth(canvas.GetFont(), line));
    rect.right = rect.left + longest;
    rect.bottom = rect.top + static_cast<int>(lines.size()) * cell.cy;
    return;
  }
  DrawCall& call = Record(canvas, "DrawText");
  call.rect = rect;
  call.text = String(text);
  call.flags = flags;
}

Size RecordingDevice::TextExtent(const Canvas& canvas, StringView text) {
  return {headless::TextWidth(canvas.GetFont(), text), CellSize(canvas.GetFont()).cy};
}

void RecordingDevice::SetPixel(const Canvas& canvas, Point point, Color color) {
  DrawCall& call = Record(canvas, "Pixel");
  call.points = {point};
  call.penColor = color;
  Plot(point.x, point.y, Bitmap::ToPixel(color));
}

Color RecordingDevice::GetPixel(const Canvas&, Point point) {
  const int dx = point.x - origin_.x;
  const int dy = point.y - origin_.y;
  if (!pixels_ || dx < 0 || dy < 0 || dx >= width_ || dy >= height_) return clNone;
  return Bitmap::FromPixel(pixels_[static_cast<std::size_t>(dy) * static_cast<std::size_t>(width_) +
                                   static_cast<std::size_t>(dx)]);
}

void RecordingDevice::DrawBitmap(const Canvas& canvas, const Rect& dest, const Bitmap& bitmap, const Rect& source,
                                 Color transparentColor) {
  if (bitmap.Empty()) return;
  DrawCall& call = Record(canvas, "Draw");
  call.rect = dest;
  call.points = {source.TopLeft(), {source.right, source.bottom}};
  if (!pixels_ || dest.IsEmpty() || source.IsEmpty()) return;
  const Color skip = transparentColor == clNone ? clNone : ColorToRgb(transparentColor);
  for (int y = dest.top; y < dest.bottom; ++y) {
    const int sy = source.top + (y - dest.top) * source.Height() / dest.Height();
    for (int x = dest.left; x < dest.right; ++x) {
      const int sx = source.left + (x - dest.left) * source.Width() / dest.Width();
      const Color color = bitmap.Pixel(sx, sy);
      if (color == clNone || color == skip) continue;
      Plot(x, y, Bitmap::ToPixel(color));
    }
  }
}

void RecordingDevice::DrawThemed(const Canvas& canvas, const ThemedPart& part, const Rect& rect) {
  DrawCall& call = Record(canvas, "Themed");
  call.flags = static_cast<unsigned>(part.element);
  call.points = {{part.part, part.state}};
  call.rect = rect;
}

namespace {

// The classic colours of one edge ring: top-left and bottom-right.
struct RingColors {
  Color topLeft;
  Color bottomRight;
};

RingColors OuterRing(unsigned edges, unsigned sides) {
  if (sides & bf::Mono) return {clWindowFrame, clWindowFrame};
  if (sides & bf::Flat) return {clBtnShadow, clBtnShadow};
  if (edges & edge::RaisedOuter) return {(sides & bf::Soft) ? clBtnHighlight : cl3DLight, cl3DDkShadow};
  return {clBtnShadow, clBtnHighlight};
}

RingColors InnerRing(unsigned edges, unsigned sides) {
  if (sides & bf::Mono) return {clWindow, clWindow};
  if (sides & bf::Flat) return {clBtnFace, clBtnFace};
  if (edges & edge::RaisedInner) return {(sides & bf::Soft) ? cl3DLight : clBtnHighlight, clBtnShadow};
  return {cl3DDkShadow, cl3DLight};
}

}  // namespace

void RecordingDevice::DrawEdge(const Canvas& canvas, const Rect& rect, unsigned edges, unsigned sides,
                               const ThemedPart* themed) {
  DrawCall& call = Record(canvas, "Edge");
  call.rect = rect;
  call.flags = sides;
  call.points = {{static_cast<int>(edges), themed ? 1 : 0}};
  if (themed) {
    call.points.push_back({static_cast<int>(themed->element), themed->part});
    call.points.push_back({themed->state, 0});
    return;
  }
  // Outer ring first, then the inner one inside it, as the platform draws.
  Rect r = rect;
  const bool rings[2] = {(edges & (edge::RaisedOuter | edge::SunkenOuter)) != 0,
                         (edges & (edge::RaisedInner | edge::SunkenInner)) != 0};
  for (int ring = 0; ring < 2; ++ring) {
    if (!rings[ring]) continue;
    const RingColors colors = ring == 0 ? OuterRing(edges, sides) : InnerRing(edges, sides);
    const std::uint32_t light = Bitmap::ToPixel(colors.topLeft);
    const std::uint32_t dark = Bitmap::ToPixel(colors.bottomRight);
    if (sides & bf::Top) Fill({r.left, r.top, r.right, r.top + 1}, light);
    if (sides & bf::Left) Fill({r.left, r.top, r.left + 1, r.bottom}, light);
    if (sides & bf::Bottom) Fill({r.left, r.bottom - 1, r.right, r.bottom}, dark);
    if (sides & bf::Right) Fill({r.right - 1, r.top, r.right, r.bottom}, dark);
    r = InsideEdge(r, ring == 0 ? edge::RaisedOuter : edge::RaisedInner, sides);
  }
  if (sides & bf::Middle) Fill(r, Bitmap::ToPixel((sides & bf::Mono) ? clWindow : clBtnFace));
}

void RecordingDevice::SetOrigin(Point origin) { origin_ = origin; }

std::uintptr_t RecordingDevice::NativeHandle() const { return 0; }

void RecordingDevice::SetClip(const Rect* clip) {
  hasRegion_ = false;
  region_ = Region();
  clipped_ = clip != nullptr;
  clip_ = clip ? *clip : Rect{};
}

void RecordingDevice::TextOutAdvances(const Canvas& canvas, int x, int y, StringView text, const Rect* clip,
                                      unsigned options, const int* advances) {
  DrawCall& call = Record(canvas, "ExtTextOut");
  call.points = {{x, y}};
  call.text = String(text);
  call.flags = options;
  call.advances.assign(advances, advances + text.size());
  if (clip) call.rect = *clip;
  if (!(options & toOpaque)) return;
  const std::uint32_t pixel = Bitmap::ToPixel(canvas.GetBrush().BrushColor());
  if (clip) {
    Fill(*clip, pixel);
    return;
  }
  int width = 0;
  for (int advance : call.advances) width += advance;
  Fill(MakeBounds(x, y, width, CellSize(canvas.GetFont()).cy), pixel);
}

FontMetrics RecordingDevice::GetFontMetrics(const Canvas& canvas) { return MetricsOf(canvas.GetFont()); }

bool RecordingDevice::CharAbcWidths(const Canvas& canvas, char16_t first, char16_t last, AbcWidth* widths) {
  for (char32_t ch = first; ch <= last; ++ch) *widths++ = GlyphAbc(canvas.GetFont(), static_cast<char16_t>(ch));
  return true;
}

namespace {

// Whether a pixel centre lies inside the rectangle with its corners rounded
// by an ellipse of the given size.
bool InsideRounded(const Rect& rect, int ellipseWidth, int ellipseHeight, int x, int y) {
  if (!rect.Contains({x, y})) return false;
  const double rx = std::min(ellipseWidth, rect.Width()) / 2.0;
  const double ry = std::min(ellipseHeight, rect.Height()) / 2.0;
  if (rx <= 0 || ry <= 0) return true;
  const double px = x + 0.5;
  const double py = y + 0.5;
  const double cx = px < rect.left + rx ? rect.left + rx : px > rect.right - rx ? rect.right - rx : px;
  const double cy = py < rect.top + ry ? rect.top + ry : py > rect.bottom - ry ? rect.bottom - ry : py;
  const double nx = (px - cx) / rx;
  const double ny = (py - cy) / ry;
  return nx * nx + ny * ny <= 1.0;
}

}  // namespace

void RecordingDevice::RoundRect(const Canvas& canvas, const Rect& rect, int ellipseWidth, int ellipseHeight) {
  DrawCall& call = Record(canvas, "RoundRect");
  call.rect = rect;
  call.points = {{ellipseWidth, ellipseHeight}};
  if (!pixels_) return;
  const bool fill = canvas.GetBrush().Style() != BrushStyle::Clear;
  const bool frame = canvas.GetPen().Style() != PenStyle::Clear;
  const std::uint32_t brush = Bitmap::ToPixel(canvas.GetBrush().BrushColor());
  const std::uint32_t pen = Bitmap::ToPixel(canvas.GetPen().PenColor());
  const Rect area = rect.Intersect(Surface());
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      if (!InsideRounded(rect, ellipseWidth, ellipseHeight, x, y)) continue;
      const bool edge = !InsideRounded(rect, ellipseWidth, ellipseHeight, x - 1, y) ||
                        !InsideRounded(rect, ellipseWidth, ellipseHeight, x + 1, y) ||
                        !InsideRounded(rect, ellipseWidth, ellipseHeight, x, y - 1) ||
                        !InsideRounded(rect, ellipseWidth, ellipseHeight, x, y + 1);
      if (edge && frame) {
        Plot(x, y, pen);
      } else if (fill) {
        Plot(x, y, brush);
      }
    }
}

void RecordingDevice::DrawFocusRect(const Canvas& canvas, const Rect& rect) {
  Record(canvas, "FocusRect").rect = rect;
  const Rect area = rect.Intersect(Surface());
  if (!pixels_ || area.IsEmpty()) return;
  // Every other pixel of the one-pixel band is inverted, so drawing twice
  // leaves the surface as it was.
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      const bool band = y == rect.top || y == rect.bottom - 1 || x == rect.left || x == rect.right - 1;
      if (!band || ((x + y) & 1) || Clipped(x, y)) continue;
      if (std::uint32_t* pixel = PixelAt({x, y})) *pixel ^= 0x00FFFFFF;
    }
}

void RecordingDevice::SetBrushOrigin(Point origin) { brushOrigin_ = origin; }

void RecordingDevice::SetClipRegion(const Region& region) {
  hasRegion_ = true;
  region_ = region;
  clipped_ = true;
  clip_ = region.Bounds();
}

void RecordingDevice::ScrollDC(const Canvas& canvas, int dx, int dy, const Rect& scroll, const Rect& clip,
                               Rect* update) {
  DrawCall& call = Record(canvas, "ScrollDC");
  call.rect = scroll;
  call.points = {{dx, dy}, clip.TopLeft(), {clip.right, clip.bottom}};
  const Rect area = scroll.Intersect(clip);
  const Rect covered = area.Offset(dx, dy).Intersect(area);
  // The bounds of what the move uncovered: a strip, or all of the area when
  // it moved both ways or out of sight.
  Rect uncovered = area;
  if (dx == 0 && dy == 0) {
    uncovered = Rect{};
  } else if (!covered.IsEmpty() && dx == 0) {
    if (dy > 0) uncovered.bottom = covered.top;
    else uncovered.top = covered.bottom;
  } else if (!covered.IsEmpty() && dy == 0) {
    if (dx > 0) uncovered.right = covered.left;
    else uncovered.left = covered.right;
  }
  *update = uncovered.IsEmpty() ? Rect{} : uncovered;
  const Rect target = covered.Intersect(Surface());
  if (!pixels_ || target.IsEmpty()) return;
  std::vector<std::uint32_t> moved;
  for (int y = target.top; y < target.bottom; ++y)
    for (int x = target.left; x < target.right; ++x) {
      const std::uint32_t* from = PixelAt({x - dx, y - dy});
      moved.push_back(from ? *from : 0);
    }
  std::size_t next = 0;
  for (int y = target.top; y < target.bottom; ++y)
    for (int x = target.left; x < target.right; ++x) *PixelAt({x, y}) = moved[next++];
}

void RecordingDevice::CopyRect(const Canvas& canvas, const Rect& dest, CanvasDevice& source, const Rect& sourceRect) {
  DrawCall& call = Record(canvas, "CopyRect");
  call.rect = dest;
  call.points = {sourceRect.TopLeft(), {sourceRect.right, sourceRect.bottom}};
  const Rect visible = dest.Intersect(Surface());
  if (!pixels_ || visible.IsEmpty() || sourceRect.IsEmpty()) return;
  // Read everything first: the source may be this device.
  std::vector<Color> colors;
  for (int y = visible.top; y < visible.bottom; ++y) {
    const int sy = sourceRect.top + static_cast<int>(static_cast<long long>(y - dest.top) * sourceRect.Height() /
                                                     dest.Height());
    for (int x = visible.left; x < visible.right; ++x) {
      const int sx = sourceRect.left + static_cast<int>(static_cast<long long>(x - dest.left) *
                                                        sourceRect.Width() / dest.Width());
      colors.push_back(source.GetPixel(canvas, {sx, sy}));
    }
  }
  std::size_t next = 0;
  for (int y = visible.top; y < visible.bottom; ++y)
    for (int x = visible.left; x < visible.right; ++x, ++next)
      if (colors[next] != clNone) Plot(x, y, Bitmap::ToPixel(colors[next]));
}

}  // namespace toolkit::headless
