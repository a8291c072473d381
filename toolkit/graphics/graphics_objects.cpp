#include "toolkit/graphics/graphics_objects.h"

namespace toolkit {

namespace {

template <class T>
bool Store(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

void Font::Assign(const Persistent* source) {
  const auto* other = dynamic_cast<const Font*>(source);
  if (!other) {
    Persistent::Assign(source);
    return;
  }
  if (*this == *other) return;
  name_ = other->name_;
  height_ = other->height_;
  color_ = other->color_;
  style_ = other->style_;
  pitch_ = other->pitch_;
  charset_ = other->charset_;
  Changed();
}

void Font::SetName(const String& name) {
  if (!name.empty() && Store(name_, name)) Changed();
}

int Font::Size() const {
  // Rounded like MulDiv so that a size survives the trip through the height.
  const int pixels = height_ < 0 ? -height_ : height_;
  return (pixels * 72 + pixelsPerInch_ / 2) / pixelsPerInch_ * (height_ < 0 ? 1 : -1);
}

void Font::SetSize(int points) {
  const int magnitude = points < 0 ? -points : points;
  const int pixels = (magnitude * pixelsPerInch_ + 36) / 72;
  SetHeight(points < 0 ? pixels : -pixels);
}

void Font::SetHeight(int pixels) {
  if (Store(height_, pixels)) Changed();
}

void Font::SetColor(Color color) {
  if (Store(color_, color)) Changed();
}

void Font::SetStyle(FontStyles style) {
  if (Store(style_, style)) Changed();
}

void Font::SetPitch(FontPitch pitch) {
  if (Store(pitch_, pitch)) Changed();
}

void Font::SetCharset(int charset) {
  if (Store(charset_, charset)) Changed();
}

void Pen::Assign(const Persistent* source) {
  const auto* other = dynamic_cast<const Pen*>(source);
  if (!other) {
    Persistent::Assign(source);
    return;
  }
  color_ = other->color_;
  width_ = other->width_;
  style_ = other->style_;
  mode_ = other->mode_;
  Changed();
}

void Pen::SetColor(Color color) {
  if (Store(color_, color)) Changed();
}

void Pen::SetWidth(int width) {
  if (width >= 0 && Store(width_, width)) Changed();
}

void Pen::SetStyle(PenStyle style) {
  if (Store(style_, style)) Changed();
}

void Pen::SetMode(PenMode mode) {
  if (Store(mode_, mode)) Changed();
}

void Brush::Assign(const Persistent* source) {
  const auto* other = dynamic_cast<const Brush*>(source);
  if (!other) {
    Persistent::Assign(source);
    return;
  }
  color_ = other->color_;
  style_ = other->style_;
  pattern_ = other->pattern_;
  Changed();
}

void Brush::SetColor(Color color) {
  const bool changed = Store(color_, color) | (style_ == BrushStyle::Clear && Store(style_, BrushStyle::Solid));
  if (changed) Changed();
}

void Brush::SetStyle(BrushStyle style) {
  if (Store(style_, style)) Changed();
}

void Brush::SetPattern(Bitmap* pattern) {
  if (Store(pattern_, pattern)) Changed();
}

}  // namespace toolkit
