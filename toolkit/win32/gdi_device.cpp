#include "toolkit/win32/gdi_device.h"


#include <vector>

#include "toolkit/core/exceptions.h"

namespace toolkit::win32 {

namespace {

COLORREF Ref(Color color) { return static_cast<COLORREF>(ColorToRgb(color)) & 0xFFFFFF; }

std::vector<POINT> ToPoints(const Point* points, int count) {
  std::vector<POINT> out(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) out[static_cast<std::size_t>(i)] = POINT{points[i].x, points[i].y};
  return out;
}

int GdiPenStyle(PenStyle style) {
  switch (style) {
    case PenStyle::Dash: return PS_DASH;
    case PenStyle::Dot: return PS_DOT;
    case PenStyle::DashDot: return PS_DASHDOT;
    case PenStyle::DashDotDot: return PS_DASHDOTDOT;
    case PenStyle::Clear: return PS_NULL;
    case PenStyle::InsideFrame: return PS_INSIDEFRAME;
    case PenStyle::Solid: break;
  }
  return PS_SOLID;
}

const wchar_t* ThemeClass(ThemeElement element) {
  switch (element) {
    case ThemeElement::Button: return L"BUTTON";
    case ThemeElement::Header: return L"HEADER";
    case ThemeElement::TreeView: return L"TREEVIEW";
    case ThemeElement::Edit: return L"EDIT";
    case ThemeElement::Window: break;
  }
  return L"WINDOW";
}

}  // namespace

GdiDevice::GdiDevice(HDC dc, std::function<void(HDC)> release)
    : dc_(dc), release_(std::move(release)), savedState_(::SaveDC(dc)) {
  if (!dc_) throw OutOfResources(messages::kOutOfResources);
}

GdiDevice::~GdiDevice() {
  ::RestoreDC(dc_, savedState_);
  if (font_) ::DeleteObject(font_);
  if (pen_) ::DeleteObject(pen_);
  if (brush_) ::DeleteObject(brush_);
  if (release_) release_(dc_);
}

HBRUSH GdiDevice::MakeBrush(const Brush& brush) const {
  if (brush.Pattern() && brush.Pattern()->Handle())
    return ::CreatePatternBrush(reinterpret_cast<HBITMAP>(brush.Pattern()->Handle()));
  switch (brush.Style()) {
    case BrushStyle::Clear: {
      LOGBRUSH hollow{BS_NULL, 0, 0};
      return ::CreateBrushIndirect(&hollow);
    }
    case BrushStyle::Horizontal: return ::CreateHatchBrush(HS_HORIZONTAL, Ref(brush.BrushColor()));
    case BrushStyle::Vertical: return ::CreateHatchBrush(HS_VERTICAL, Ref(brush.BrushColor()));
    case BrushStyle::FDiagonal: return ::CreateHatchBrush(HS_FDIAGONAL, Ref(brush.BrushColor()));
    case BrushStyle::BDiagonal: return ::CreateHatchBrush(HS_BDIAGONAL, Ref(brush.BrushColor()));
    case BrushStyle::Cross: return ::CreateHatchBrush(HS_CROSS, Ref(brush.BrushColor()));
    case BrushStyle::DiagCross: return ::CreateHatchBrush(HS_DIAGCROSS, Ref(brush.BrushColor()));
    case BrushStyle::Solid: break;
  }
  return ::CreateSolidBrush(Ref(brush.BrushColor()));
}

void GdiDevice::Sync(const Canvas& canvas, bool font, bool pen, bool brush) {
  if (font) {
    const Font& f = canvas.GetFont();
    if (!fontMade_ || !(f == fontState_)) {
      LOGFONTW log{};
      log.lfHeight = f.Height();
      log.lfWeight = (f.Style() & fsBold) ? FW_BOLD : FW_NORMAL;
      log.lfItalic = (f.Style() & fsItalic) ? 1 : 0;
      log.lfUnderline = (f.Style() & fsUnderline) ? 1 : 0;
      log.lfStrikeOut = (f.Style() & fsStrikeOut) ? 1 : 0;
      log.lfCharSet = static_cast<BYTE>(f.Charset());
      log.lfPitchAndFamily = f.Pitch() == FontPitch::Fixed      ? FIXED_PITCH
                             : f.Pitch() == FontPitch::Variable ? VARIABLE_PITCH
                                                                : DEFAULT_PITCH;
      const String& name = f.Name();
      const std::size_t length = name.size() < LF_FACESIZE - 1 ? name.size() : LF_FACESIZE - 1;
      for (std::size_t i = 0; i < length; ++i) log.lfFaceName[i] = static_cast<wchar_t>(name[i]);
      HFONT made = ::CreateFontIndirectW(&log);
      ::SelectObject(dc_, made);
      if (font_) ::DeleteObject(font_);
      font_ = made;
      fontState_.Assign(&f);
      fontMade_ = true;
    }
    ::SetTextColor(dc_, Ref(f.FontColor()));
  }
  if (pen) {
    const Pen& p = canvas.GetPen();
    if (!pen_ || p.PenColor() != penColor_ || p.Style() != penStyle_ || p.Width() != penWidth_) {
      HPEN made = ::CreatePen(GdiPenStyle(p.Style()), p.Width(), Ref(p.PenColor()));
      ::SelectObject(dc_, made);
      if (pen_) ::DeleteObject(pen_);
      pen_ = made;
      penColor_ = p.PenColor();
      penStyle_ = p.Style();
      penWidth_ = p.Width();
    }
    ::SetROP2(dc_, p.Mode() == PenMode::Xor ? R2_XORPEN : p.Mode() == PenMode::NotXor ? R2_NOTXORPEN
                   : p.Mode() == PenMode::Not ? R2_NOT : R2_COPYPEN);
  }
  if (brush) {
    const Brush& b = canvas.GetBrush();
    if (!brush_ || b.BrushColor() != brushColor_ || b.Style() != brushStyle_ || b.Pattern() != brushPattern_) {
      HBRUSH made = MakeBrush(b);
      ::SelectObject(dc_, made);
      if (brush_) ::DeleteObject(brush_);
      brush_ = made;
      brushColor_ = b.BrushColor();
      brushStyle_ = b.Style();
      brushPattern_ = b.Pattern();
    }
    ::SetBkColor(dc_, Ref(b.BrushColor()));
    ::SetBkMode(dc_, b.Style() == BrushStyle::Clear ? TRANSPARENT : OPAQUE);
  }
}

void GdiDevice::Polyline(const Canvas& canvas, const Point* points, int count) {
  Sync(canvas, false, true, false);
  const std::vector<POINT> p = ToPoints(points, count);
  ::Polyline(dc_, p.data(), count);
}

void GdiDevice::Polygon(const Canvas& canvas, const Point* points, int count) {
  Sync(canvas, false, true, true);
  const std::vector<POINT> p = ToPoints(points, count);
  ::Polygon(dc_, p.data(), count);
}

void GdiDevice::Rectangle(const Canvas& canvas, const Rect& rect) {
  Sync(canvas, false, true, true);
  ::Rectangle(dc_, rect.left, rect.top, rect.right, rect.bottom);
}

void GdiDevice::FillRect(const Canvas& canvas, const Rect& rect) {
  Sync(canvas, false, false, true);
  const RECT r = ToRECT(rect);
  ::FillRect(dc_, &r, brush_);
}

void GdiDevice::FrameRect(const Canvas& canvas, const Rect& rect) {
  Sync(canvas, false, false, true);
  const RECT r = ToRECT(rect);
  ::FrameRect(dc_, &r, brush_);
}

void GdiDevice::TextOut(const Canvas& canvas, int x, int y, StringView text, const Rect* clip, unsigned options) {
  Sync(canvas, true, false, true);
  RECT r{};
  if (clip) r = ToRECT(*clip);
  ::ExtTextOutW(dc_, x, y, options, clip ? &r : nullptr, Wide(text), static_cast<UINT>(text.size()), nullptr);
}

void GdiDevice::DrawText(const Canvas& canvas, StringView text, Rect& rect, unsigned flags) {
  Sync(canvas, true, false, true);
  RECT r = ToRECT(rect);
  String copy(text);
  ::DrawTextW(dc_, reinterpret_cast<wchar_t*>(copy.data()), static_cast<int>(copy.size()), &r, flags);
  if (flags & dtCalcRect) rect = FromRECT(r);
}

Size GdiDevice::TextExtent(const Canvas& canvas, StringView text) {
  Sync(canvas, true, false, false);
  SIZE size{};
  if (text.empty()) {
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc_, &metrics);
    return {0, metrics.tmHeight};
  }
  ::GetTextExtentPoint32W(dc_, Wide(text), static_cast<int>(text.size()), &size);
  return {size.cx, size.cy};
}

void GdiDevice::SetPixel(const Canvas&, Point point, Color color) { ::SetPixel(dc_, point.x, point.y, Ref(color)); }

Color GdiDevice::GetPixel(const Canvas&, Point point) {
  const COLORREF value = ::GetPixel(dc_, point.x, point.y);
  return value == CLR_INVALID ? clNone : static_cast<Color>(value);
}

void GdiDevice::DrawBitmap(const Canvas&, const Rect& dest, const Bitmap& bitmap, const Rect& source,
                           Color transparentColor) {
  HBITMAP handle = reinterpret_cast<HBITMAP>(bitmap.Handle());
  if (!handle || bitmap.Empty()) return;
  HDC memory = ::CreateCompatibleDC(dc_);
  HGDIOBJ old = ::SelectObject(memory, handle);
  if (transparentColor != clNone) {
    ::TransparentBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), memory, source.left, source.top,
                     source.Width(), source.Height(), Ref(transparentColor));
  } else {
    ::StretchBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), memory, source.left, source.top,
                 source.Width(), source.Height(), SRCCOPY);
  }
  ::SelectObject(memory, old);
  ::DeleteDC(memory);
}

void GdiDevice::DrawThemed(const Canvas&, const ThemedPart& part, const Rect& rect) {
  HTHEME theme = ::OpenThemeData(::WindowFromDC(dc_), ThemeClass(part.element));
  if (!theme) return;
  const RECT r = ToRECT(rect);
  ::DrawThemeBackground(theme, dc_, part.part, part.state, &r, nullptr);
  ::CloseThemeData(theme);
}

void GdiDevice::DrawEdge(const Canvas&, const Rect& rect, unsigned edges, unsigned sides,
                         const ThemedPart* themed) {
  RECT r = ToRECT(rect);
  HTHEME theme = themed ? ::OpenThemeData(::WindowFromDC(dc_), ThemeClass(themed->element)) : nullptr;
  if (theme) {
    ::DrawThemeEdge(theme, dc_, themed->part, themed->state, &r, edges, sides, nullptr);
    ::CloseThemeData(theme);
    return;
  }
  ::DrawEdge(dc_, &r, edges, sides);
}

void GdiDevice::SetClip(const Rect* clip) {
  if (!clip) {
    ::SelectClipRgn(dc_, nullptr);
    return;
  }
  POINT corners[2] = {{clip->left, clip->top}, {clip->right, clip->bottom}};
  ::LPtoDP(dc_, corners, 2);
  HRGN region = ::CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
  ::SelectClipRgn(dc_, region);
  ::DeleteObject(region);
}

std::uintptr_t GdiDevice::NativeHandle() const { return reinterpret_cast<std::uintptr_t>(dc_); }

void GdiDevice::SetOrigin(Point origin) { ::SetWindowOrgEx(dc_, origin.x, origin.y, nullptr); }

DibSurface::DibSurface(int width, int height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = ::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  if (!bitmap_ || !bits) throw OutOfResources(messages::kOutOfResources);
  bits_ = static_cast<std::uint32_t*>(bits);
}

DibSurface::~DibSurface() { ::DeleteObject(bitmap_); }

std::unique_ptr<CanvasDevice> DibSurface::NewDevice() {
  HDC dc = ::CreateCompatibleDC(nullptr);
  if (!dc) throw OutOfResources(messages::kOutOfResources);
  ::SelectObject(dc, bitmap_);
  // Deleting the DC leaves the bitmap to the surface.
  return std::make_unique<GdiDevice>(dc, [](HDC memory) { ::DeleteDC(memory); });
}

void GdiDevice::TextOutAdvances(const Canvas& canvas, int x, int y, StringView text, const Rect* clip,
                                unsigned options, const int* advances) {
  Sync(canvas, true, false, true);
  RECT r{};
  if (clip) r = ToRECT(*clip);
  const std::vector<INT> dx(advances, advances + text.size());
  ::ExtTextOutW(dc_, x, y, options, clip ? &r : nullptr, Wide(text), static_cast<UINT>(text.size()), dx.data());
}

FontMetrics GdiDevice::GetFontMetrics(const Canvas& canvas) {
  Sync(canvas, true, false, false);
  TEXTMETRICW metrics{};
  if (!::GetTextMetricsW(dc_, &metrics)) return {};
  return {metrics.tmHeight,       metrics.tmAscent,       metrics.tmDescent,
          metrics.tmAveCharWidth, metrics.tmMaxCharWidth, metrics.tmOverhang};
}

bool GdiDevice::CharAbcWidths(const Canvas& canvas, char16_t first, char16_t last, AbcWidth* widths) {
  Sync(canvas, true, false, false);
  std::vector<ABC> abc(static_cast<std::size_t>(last - first) + 1);
  if (!::GetCharABCWidthsW(dc_, first, last, abc.data())) return false;
  for (const ABC& one : abc) *widths++ = {one.abcA, static_cast<int>(one.abcB), one.abcC};
  return true;
}

void GdiDevice::RoundRect(const Canvas& canvas, const Rect& rect, int ellipseWidth, int ellipseHeight) {
  Sync(canvas, false, true, true);
  ::RoundRect(dc_, rect.left, rect.top, rect.right, rect.bottom, ellipseWidth, ellipseHeight);
}

void GdiDevice::DrawFocusRect(const Canvas&, const Rect& rect) {
  const RECT r = ToRECT(rect);
  ::DrawFocusRect(dc_, &r);
}

void GdiDevice::SetBrushOrigin(Point origin) {
  POINT point{origin.x, origin.y};
  ::LPtoDP(dc_, &point, 1);
  ::SetBrushOrgEx(dc_, point.x, point.y, nullptr);
}

void GdiDevice::SetClipRegion(const Region& region) {
  HRGN clip = ::CreateRectRgn(0, 0, 0, 0);
  for (const Rect& rect : region.Rects()) {
    POINT corners[2] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    ::LPtoDP(dc_, corners, 2);
    HRGN part = ::CreateRectRgn(corners[0].x, corners[0].y, corners[1].x, corners[1].y);
    ::CombineRgn(clip, clip, part, RGN_OR);
    ::DeleteObject(part);
  }
  ::SelectClipRgn(dc_, clip);
  ::DeleteObject(clip);
}

void GdiDevice::ScrollDC(const Canvas&, int dx, int dy, const Rect& scroll, const Rect& clip, Rect* update) {
  const RECT s = ToRECT(scroll);
  const RECT c = ToRECT(clip);
  RECT u{};
  if (!::ScrollDC(dc_, dx, dy, &s, &c, nullptr, &u)) u = RECT{};
  *update = FromRECT(u).IsEmpty() ? Rect{} : FromRECT(u);
}

void GdiDevice::CopyRect(const Canvas&, const Rect& dest, CanvasDevice& source, const Rect& sourceRect) {
  HDC from = reinterpret_cast<HDC>(source.NativeHandle());
  if (!from) return;
  ::StretchBlt(dc_, dest.left, dest.top, dest.Width(), dest.Height(), from, sourceRect.left, sourceRect.top,
               sourceRect.Width(), sourceRect.Height(), SRCCOPY);
}

}  // namespace toolkit::win32
