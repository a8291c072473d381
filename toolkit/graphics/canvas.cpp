#include "toolkit/graphics/canvas.h"

#include "toolkit/core/exceptions.h"

namespace toolkit {

Canvas::Canvas() { font_.SetColor(clWindowText); }

Canvas::~Canvas() = default;

void Canvas::SetDevice(std::unique_ptr<CanvasDevice> device) {
  device_ = std::move(device);
  if (!device_) return;
  device_->SetOrigin(origin_);
  device_->SetClip(hasClip_ ? &clip_ : nullptr);
  if (hasRegion_) device_->SetClipRegion(region_);
  device_->SetBrushOrigin(brushOrigin_);
}

std::unique_ptr<CanvasDevice> Canvas::ReleaseDevice() { return std::move(device_); }

std::uintptr_t Canvas::Handle() const { return device_ ? device_->NativeHandle() : 0; }

CanvasDevice& Canvas::RequireDevice() const {
  if (!device_) throw InvalidOperation(u"Canvas does not allow drawing");
  return *device_;
}

void Canvas::LineTo(int x, int y) {
  const Point points[] = {penPos_, {x, y}};
  RequireDevice().Polyline(*this, points, 2);
  penPos_ = {x, y};
}

void Canvas::Polyline(const std::vector<Point>& points) {
  if (points.empty()) return;
  RequireDevice().Polyline(*this, points.data(), static_cast<int>(points.size()));
  penPos_ = points.back();
}

void Canvas::Polygon(const std::vector<Point>& points) {
  if (points.size() < 2) return;
  RequireDevice().Polygon(*this, points.data(), static_cast<int>(points.size()));
}

void Canvas::Rectangle(const Rect& rect) { RequireDevice().Rectangle(*this, rect); }

void Canvas::FillRect(const Rect& rect) { RequireDevice().FillRect(*this, rect); }

void Canvas::FrameRect(const Rect& rect) { RequireDevice().FrameRect(*this, rect); }

void Canvas::TextOut(int x, int y, StringView text) {
  const unsigned options = TextFlags | (brush_.Style() == BrushStyle::Clear ? 0u : unsigned{toOpaque});
  RequireDevice().TextOut(*this, x, y, text, nullptr, options);
  penPos_ = {x + TextWidth(text), y};
}

void Canvas::TextRect(const Rect& rect, int x, int y, StringView text) {
  const unsigned options = TextFlags | toClipped | (brush_.Style() == BrushStyle::Clear ? 0u : unsigned{toOpaque});
  RequireDevice().TextOut(*this, x, y, text, &rect, options);
}

void Canvas::DrawText(StringView text, Rect& rect, unsigned flags) { RequireDevice().DrawText(*this, text, rect, flags); }

Size Canvas::TextExtent(StringView text) const { return RequireDevice().TextExtent(*this, text); }

Color Canvas::Pixel(int x, int y) const { return RequireDevice().GetPixel(*this, {x, y}); }

void Canvas::SetPixel(int x, int y, Color color) { RequireDevice().SetPixel(*this, {x, y}, color); }

void Canvas::Draw(int x, int y, const Graphic& graphic) {
  graphic.DrawOn(*this, Rect{x, y, x + graphic.Width(), y + graphic.Height()});
}

void Canvas::StretchDraw(const Rect& dest, const Graphic& graphic) { graphic.DrawOn(*this, dest); }

void Canvas::DrawPart(const Rect& dest, const Bitmap& bitmap, const Rect& source, Color transparentColor) {
  RequireDevice().DrawBitmap(*this, dest, bitmap, source, transparentColor);
}

void Canvas::DrawThemed(const ThemedPart& part, const Rect& rect) { RequireDevice().DrawThemed(*this, part, rect); }

Rect InsideEdge(const Rect& rect, unsigned edges, unsigned sides) {
  const int width = ((edges & (edge::RaisedOuter | edge::SunkenOuter)) ? 1 : 0) +
                    ((edges & (edge::RaisedInner | edge::SunkenInner)) ? 1 : 0);
  Rect inside = rect;
  if (sides & bf::Left) inside.left += width;
  if (sides & bf::Top) inside.top += width;
  if (sides & bf::Right) inside.right -= width;
  if (sides & bf::Bottom) inside.bottom -= width;
  return inside;
}

void Canvas::DrawEdge(Rect& rect, unsigned edges, unsigned sides, const ThemedPart* themed) {
  RequireDevice().DrawEdge(*this, rect, edges, sides & ~bf::Adjust, themed);
  if (sides & bf::Adjust) rect = InsideEdge(rect, edges, sides);
}

void Canvas::SetClipRect(const Rect& clip) {
  hasClip_ = true;
  hasRegion_ = false;
  region_ = Region();
  clip_ = clip;
  if (device_) device_->SetClip(&clip_);
}

void Canvas::IntersectClipRect(const Rect& clip) {
  if (hasRegion_) {
    SetClipRegion(region_.Intersect(clip));
    return;
  }
  SetClipRect(hasClip_ ? clip_.Intersect(clip) : clip);
}

void Canvas::RemoveClip() {
  hasClip_ = false;
  hasRegion_ = false;
  region_ = Region();
  if (device_) device_->SetClip(nullptr);
}

void Canvas::SetOrigin(Point origin) {
  origin_ = origin;
  if (device_) device_->SetOrigin(origin);
}

void Canvas::SetClipRegion(const Region& region) {
  hasClip_ = true;
  clip_ = region.Bounds();
  hasRegion_ = true;
  region_ = region;
  if (device_) device_->SetClipRegion(region_);
}

void Canvas::ExtTextOut(int x, int y, unsigned options, const Rect* rect, StringView text,
                        std::span<const int> advances) {
  if (advances.size() < text.size()) throw InvalidOperation(u"ExtTextOut: fewer advances than characters");
  RequireDevice().TextOutAdvances(*this, x, y, text, rect, options | TextFlags, advances.data());
}

FontMetrics Canvas::GetFontMetrics() const { return RequireDevice().GetFontMetrics(*this); }

bool Canvas::CharAbcWidths(char16_t first, char16_t last, AbcWidth* widths) const {
  if (last < first || !widths) return false;
  return RequireDevice().CharAbcWidths(*this, first, last, widths);
}

void Canvas::RoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight) {
  RequireDevice().RoundRect(*this, rect, ellipseWidth, ellipseHeight);
}

void Canvas::DrawFocusRect(const Rect& rect) { RequireDevice().DrawFocusRect(*this, rect); }

void Canvas::SetBrushOrigin(Point origin) {
  brushOrigin_ = origin;
  if (device_) device_->SetBrushOrigin(origin);
}

void Canvas::ScrollDC(int dx, int dy, const Rect& scroll, const Rect& clip, Rect* update) {
  Rect ignored;
  RequireDevice().ScrollDC(*this, dx, dy, scroll, clip, update ? update : &ignored);
}

void Canvas::CopyRect(const Rect& dest, Canvas& source, const Rect& sourceRect) {
  RequireDevice().CopyRect(*this, dest, source.RequireDevice(), sourceRect);
}

}  // namespace toolkit
