#include "toolkit/graphics/bitmap.h"

#include <algorithm>
#include <cstring>

#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/backend.h"

namespace toolkit {

Bitmap::Bitmap() = default;

Bitmap::Bitmap(int width, int height) { SetSize(width, height); }

Bitmap::~Bitmap() {
  // The canvas's device may refer to the surface: drop it first.
  canvas_.reset();
}

std::uint32_t Bitmap::ToPixel(Color color) {
  const Color rgb = ColorToRgb(color);
  return static_cast<std::uint32_t>(RedOf(rgb)) << 16 | static_cast<std::uint32_t>(GreenOf(rgb)) << 8 |
         static_cast<std::uint32_t>(BlueOf(rgb));
}

Color Bitmap::FromPixel(std::uint32_t pixel) { return Rgb(pixel >> 16 & 0xFF, pixel >> 8 & 0xFF, pixel & 0xFF); }

void Bitmap::SetSize(int width, int height) {
  if (width < 0 || height < 0 || (width > 0 && height > 0 && width > (1 << 28) / height))
    throw InvalidOperation(messages::kInvalidImage);
  if (width == width_ && height == height_) return;
  std::unique_ptr<BitmapSurface> surface;
  if (width > 0 && height > 0) {
    surface = CurrentBackend().CreateBitmapSurface(width, height);
    std::uint32_t* bits = surface->Bits();
    std::fill(bits, bits + static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0u);
    if (surface_) {
      Flush();
      const int rows = std::min(height, height_);
      const int columns = std::min(width, width_);
      for (int y = 0; y < rows; ++y)
        std::memcpy(bits + static_cast<std::size_t>(y) * static_cast<std::size_t>(width), ScanLine(y),
                    static_cast<std::size_t>(columns) * 4);
    }
  }
  if (canvas_) canvas_->SetDevice(nullptr);
  surface_ = std::move(surface);
  width_ = surface_ ? width : 0;
  height_ = surface_ ? height : 0;
  if (canvas_ && surface_) canvas_->SetDevice(surface_->NewDevice());
  Changed();
}

void Bitmap::Flush() const {
  if (surface_) surface_->Flush();
}

std::uint32_t* Bitmap::ScanLine(int row) {
  if (row < 0 || row >= height_) throw InvalidOperation(u"Scan line index out of range");
  Flush();
  return surface_->Bits() + static_cast<std::size_t>(row) * static_cast<std::size_t>(width_);
}

const std::uint32_t* Bitmap::ScanLine(int row) const { return const_cast<Bitmap*>(this)->ScanLine(row); }

Color Bitmap::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return clNone;
  return FromPixel(ScanLine(y)[x]);
}

void Bitmap::SetPixel(int x, int y, Color color) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  ScanLine(y)[x] = ToPixel(color);
}

void Bitmap::Fill(Color color) {
  const std::uint32_t pixel = ToPixel(color);
  for (int y = 0; y < height_; ++y) std::fill(ScanLine(y), ScanLine(y) + width_, pixel);
}

Canvas& Bitmap::GetCanvas() {
  if (!canvas_) {
    canvas_ = std::make_unique<Canvas>();
    if (surface_) canvas_->SetDevice(surface_->NewDevice());
  }
  return *canvas_;
}

void Bitmap::DrawOn(Canvas& canvas, const Rect& dest) const {
  canvas.DrawPart(dest, *this, Rect{0, 0, width_, height_}, transparent_ ? TransparentColor() : clNone);
}

std::uintptr_t Bitmap::Handle() const { return surface_ ? surface_->NativeHandle() : 0; }

Color Bitmap::TransparentColor() const {
  if (transparentColor_ != clDefault) return transparentColor_;
  return Empty() ? clNone : Pixel(0, height_ - 1);
}

void Bitmap::Assign(const Persistent* source) {
  const auto* other = dynamic_cast<const Bitmap*>(source);
  if (!other) {
    Persistent::Assign(source);
    return;
  }
  if (other == this) return;
  SetSize(other->width_, other->height_);
  for (int y = 0; y < height_; ++y)
    std::memcpy(ScanLine(y), other->ScanLine(y), static_cast<std::size_t>(width_) * 4);
  transparent_ = other->transparent_;
  transparentColor_ = other->transparentColor_;
  Changed();
}

}  // namespace toolkit
