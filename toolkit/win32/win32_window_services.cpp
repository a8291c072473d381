// What Win32 windows offer beside the basics: the caret, scrolling a
// window's contents, regions and frames, the filtered look into the queue,
// files dropped from the shell, and the system's sizes and settings.
#include "toolkit/win32/win32_backend.h"

// After the platform headers it needs.
#include <shellapi.h>

namespace toolkit::win32 {

namespace {

HWND Hwnd(WindowHandle window) { return reinterpret_cast<HWND>(window); }

RECT ToRect(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }

// The rectangles a region is made of.
std::vector<Rect> RegionRects(HRGN region) {
  const DWORD size = ::GetRegionData(region, 0, nullptr);
  if (size == 0) return {};
  std::vector<std::uint8_t> bytes(size);
  auto* data = reinterpret_cast<RGNDATA*>(bytes.data());
  if (::GetRegionData(region, size, data) == 0) return {};
  const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
  std::vector<Rect> parts;
  for (DWORD i = 0; i < data->rdh.nCount; ++i)
    parts.push_back({rects[i].left, rects[i].top, rects[i].right, rects[i].bottom});
  return parts;
}

}  // namespace

void Win32Backend::ShowWindowNoActivate(WindowHandle window) { ::ShowWindow(Hwnd(window), SW_SHOWNOACTIVATE); }

void Win32Backend::FrameChanged(WindowHandle window) {
  ::SetWindowPos(Hwnd(window), nullptr, 0, 0, 0, 0,
                 SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Backend::SetWindowRegion(WindowHandle window, const Region* region) {
  HRGN combined = nullptr;
  if (region) {
    combined = ::CreateRectRgn(0, 0, 0, 0);
    for (const Rect& part : region->Rects()) {
      HRGN piece = ::CreateRectRgn(part.left, part.top, part.right, part.bottom);
      ::CombineRgn(combined, combined, piece, RGN_OR);
      ::DeleteObject(piece);
    }
  }
  // The window owns the region from here on, also when the call fails.
  if (!::SetWindowRgn(Hwnd(window), combined, TRUE) && combined) ::DeleteObject(combined);
}

std::vector<Rect> Win32Backend::ScrollWindow(WindowHandle window, int dx, int dy, const Rect* scroll, const Rect* clip,
                                             unsigned flags) {
  const RECT scrollRect = scroll ? ToRect(*scroll) : RECT{};
  const RECT clipRect = clip ? ToRect(*clip) : RECT{};
  HRGN uncovered = ::CreateRectRgn(0, 0, 0, 0);
  std::vector<Rect> parts;
  if (::ScrollWindowEx(Hwnd(window), dx, dy, scroll ? &scrollRect : nullptr, clip ? &clipRect : nullptr, uncovered,
                       nullptr, flags) != ERROR)
    parts = RegionRects(uncovered);
  ::DeleteObject(uncovered);
  return parts;
}

bool Win32Backend::CreateCaret(WindowHandle window, int width, int height) {
  return ::CreateCaret(Hwnd(window), nullptr, width, height) != 0;
}

void Win32Backend::DestroyCaret() { ::DestroyCaret(); }

void Win32Backend::ShowCaret(WindowHandle window) { ::ShowCaret(Hwnd(window)); }

void Win32Backend::HideCaret(WindowHandle window) { ::HideCaret(Hwnd(window)); }

void Win32Backend::SetCaretPos(Point point) { ::SetCaretPos(point.x, point.y); }

Point Win32Backend::CaretPos() {
  POINT p{};
  ::GetCaretPos(&p);
  return {p.x, p.y};
}

bool Win32Backend::PeekMessage(WindowHandle window, std::uint32_t first, std::uint32_t last, bool remove,
                               QueuedMessage& message) {
  MSG m{};
  if (!::PeekMessageW(&m, Hwnd(window), first, last, remove ? PM_REMOVE : PM_NOREMOVE)) return false;
  message = {reinterpret_cast<WindowHandle>(m.hwnd), m.message, m.wParam, m.lParam};
  return true;
}

int Win32Backend::SystemMetricValue(SystemMetric metric) {
  switch (metric) {
    case SystemMetric::ScrollBarWidth: return ::GetSystemMetrics(SM_CXVSCROLL);
    case SystemMetric::ScrollBarHeight: return ::GetSystemMetrics(SM_CYHSCROLL);
    case SystemMetric::EdgeWidth: return ::GetSystemMetrics(SM_CXEDGE);
    case SystemMetric::EdgeHeight: return ::GetSystemMetrics(SM_CYEDGE);
    case SystemMetric::FrameWidth: return ::GetSystemMetrics(SM_CXFRAME);
    case SystemMetric::FrameHeight: return ::GetSystemMetrics(SM_CYFRAME);
    case SystemMetric::MenuCheckWidth: return ::GetSystemMetrics(SM_CXMENUCHECK);
    case SystemMetric::MenuCheckHeight: return ::GetSystemMetrics(SM_CYMENUCHECK);
  }
  return 0;
}

bool Win32Backend::SystemSettingOn(SystemSetting setting) {
  UINT action = SPI_GETDRAGFULLWINDOWS;
  if (setting == SystemSetting::ToolTipAnimation) action = SPI_GETTOOLTIPANIMATION;
  if (setting == SystemSetting::ToolTipFade) action = SPI_GETTOOLTIPFADE;
  BOOL on = FALSE;
  return ::SystemParametersInfoW(action, 0, &on, 0) && on;
}

void Win32Backend::AcceptFiles(WindowHandle window, bool accept) { ::DragAcceptFiles(Hwnd(window), accept); }

DroppedFiles Win32Backend::ReadDroppedFiles(std::uintptr_t drop) {
  HDROP handle = reinterpret_cast<HDROP>(drop);
  DroppedFiles files;
  POINT p{};
  ::DragQueryPoint(handle, &p);
  files.point = {p.x, p.y};
  const UINT count = ::DragQueryFileW(handle, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count; ++i) {
    const UINT length = ::DragQueryFileW(handle, i, nullptr, 0);
    std::wstring name(length + 1, L'\0');
    const UINT read = ::DragQueryFileW(handle, i, name.data(), length + 1);
    files.names.emplace_back(reinterpret_cast<const char16_t*>(name.data()), read);
  }
  return files;
}

void Win32Backend::ReleaseDrop(std::uintptr_t drop) { ::DragFinish(reinterpret_cast<HDROP>(drop)); }

}  // namespace toolkit::win32
