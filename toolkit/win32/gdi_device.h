// Drawing through GDI: a device over a device context, and bitmap memory
// as a 32-bit top-down DIB section.
#pragma once
#include "toolkit/win32/windows_api.h"

#include <functional>

#include "toolkit/graphics/bitmap.h"

namespace toolkit::win32 {

class GdiDevice : public CanvasDevice {
 public:
  // release runs when the device goes (ReleaseDC, DeleteDC or nothing).
  GdiDevice(HDC dc, std::function<void(HDC)> release);
  ~GdiDevice() override;
  GdiDevice(const GdiDevice&) = delete;
  GdiDevice& operator=(const GdiDevice&) = delete;

#include "toolkit/graphics/canvas_device_overrides.inc"

 private:
  // Brings the selected font, pen and brush in line with the canvas.
  void Sync(const Canvas& canvas, bool font, bool pen, bool brush);
  HBRUSH MakeBrush(const Brush& brush) const;

  HDC dc_;
  std::function<void(HDC)> release_;
  int savedState_;
  HFONT font_ = nullptr;
  Font fontState_;
  bool fontMade_ = false;
  HPEN pen_ = nullptr;
  HBRUSH brush_ = nullptr;
  Color penColor_ = clNone;
  PenStyle penStyle_ = PenStyle::Solid;
  int penWidth_ = -1;
  Color brushColor_ = clNone;
  BrushStyle brushStyle_ = BrushStyle::Solid;
  const Bitmap* brushPattern_ = nullptr;
};

class DibSurface : public BitmapSurface {
 public:
  DibSurface(int width, int height);
  ~DibSurface() override;
  DibSurface(const DibSurface&) = delete;
  DibSurface& operator=(const DibSurface&) = delete;

  std::uint32_t* Bits() override { return bits_; }
  std::unique_ptr<CanvasDevice> NewDevice() override;
  std::uintptr_t NativeHandle() const override { return reinterpret_cast<std::uintptr_t>(bitmap_); }
  void Flush() override { ::GdiFlush(); }

 private:
  HBITMAP bitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
};

inline const wchar_t* Wide(const String& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }
inline const wchar_t* Wide(StringView text) { return reinterpret_cast<const wchar_t*>(text.data()); }
inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

}  // namespace toolkit::win32
