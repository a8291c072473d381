// A device-independent 32-bit bitmap: rows top-down, each pixel $AARRGGBB
// in memory order B, G, R, A, readable and writable directly.
#pragma once
#include <cstdint>
#include <memory>

#include "toolkit/graphics/canvas.h"

namespace toolkit {

// Pixel memory and its drawing device, made by the backend.
class BitmapSurface {
 public:
  virtual ~BitmapSurface() = default;
  virtual std::uint32_t* Bits() = 0;
  // A device drawing into the bits; the bitmap's canvas owns it.
  virtual std::unique_ptr<CanvasDevice> NewDevice() = 0;
  // The platform's bitmap handle, 0 where there is none.
  virtual std::uintptr_t NativeHandle() const = 0;
  // Finishes pending drawing so the bits are current.
  virtual void Flush() {}
};

class Bitmap : public Graphic {
 public:
  Bitmap();
  Bitmap(int width, int height);
  ~Bitmap() override;
  Bitmap(const Bitmap&) = delete;
  Bitmap& operator=(const Bitmap&) = delete;

  String ClassName() const override { return u"Bitmap"; }
  void Assign(const Persistent* source) override;

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void DrawOn(Canvas& canvas, const Rect& dest) const override;
  bool Empty() const { return width_ == 0 || height_ == 0; }
  // New pixels are black; the old content is kept where it still fits.
  void SetSize(int width, int height);

  // Pixels as colours ($00BBGGRR); outside the bitmap reads clNone.
  Color Pixel(int x, int y) const;
  void SetPixel(int x, int y, Color color);
  // A row of raw pixels.
  std::uint32_t* ScanLine(int row);
  const std::uint32_t* ScanLine(int row) const;
  void Fill(Color color);

  Canvas& GetCanvas();
  std::uintptr_t Handle() const;

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool transparent) { transparent_ = transparent; }
  // By default the bottom-left pixel.
  Color TransparentColor() const;
  void SetTransparentColor(Color color) { transparentColor_ = color; }

  static std::uint32_t ToPixel(Color color);
  static Color FromPixel(std::uint32_t pixel);

 private:
  void Flush() const;

  int width_ = 0;
  int height_ = 0;
  std::unique_ptr<BitmapSurface> surface_;
  std::unique_ptr<Canvas> canvas_;
  bool transparent_ = false;
  Color transparentColor_ = clDefault;
};

}  // namespace toolkit
