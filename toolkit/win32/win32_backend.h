// The backend over real windows: user32 windows and messages, GDI drawing,
// system timers, the real clipboard and theme services.
#pragma once
#include "toolkit/win32/windows_api.h"

#include <map>
#include <memory>
#include <set>

#include "toolkit/backend.h"

namespace toolkit::win32 {

class Win32Backend : public Backend {
 public:
  Win32Backend();
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

  WindowHandle CreateWindow(WindowClient& client, const CreateParams& params) override;
  void DestroyWindow(WindowHandle window) override;
  void SetWindowBounds(WindowHandle window, const Rect& bounds) override;
  Rect WindowBounds(WindowHandle window) override;
  void ShowWindow(WindowHandle window, bool visible) override;
  void EnableWindow(WindowHandle window, bool enabled) override;
  void SetWindowText(WindowHandle window, StringView text) override;
  Rect ClientRect(WindowHandle window) override;
  Point ClientToScreen(WindowHandle window, Point point) override;
  Point ScreenToClient(WindowHandle window, Point point) override;
  WindowHandle WindowFromPoint(Point screenPoint) override;

  void Invalidate(WindowHandle window, const Rect* rect, bool erase) override;
  void UpdateWindow(WindowHandle window) override;
  std::unique_ptr<CanvasDevice> BeginPaint(WindowHandle window, Rect& updateRect) override;
  void EndPaint(WindowHandle window, std::unique_ptr<CanvasDevice> device) override;
  std::unique_ptr<CanvasDevice> WindowDevice(WindowHandle window) override;
  std::unique_ptr<CanvasDevice> MeasuringDevice() override;
  std::unique_ptr<BitmapSurface> CreateBitmapSurface(int width, int height) override;

  void SetFocus(WindowHandle window) override;
  WindowHandle Focus() override;
  void SetCapture(WindowHandle window) override;
  void ReleaseCapture() override;
  WindowHandle Capture() override;
  void SetScrollInfo(WindowHandle window, ScrollBarKind bar, const ScrollInfo& info, bool redraw) override;
  ScrollInfo GetScrollInfo(WindowHandle window, ScrollBarKind bar) override;
  void ShowScrollBar(WindowHandle window, ScrollBarKind bar, bool show) override;

  std::intptr_t DefaultWindowProc(WindowHandle window, Message& message) override;
  std::intptr_t SendMessage(WindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
  bool PostMessage(WindowHandle window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) override;
  bool ProcessMessage() override;
  void WaitMessage() override;
  void WakeMainThread() override;

  void SetTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds) override;
  void KillTimer(WindowHandle window, std::uintptr_t id) override;
  std::uint32_t TickCount() override { return ::GetTickCount(); }

  Point CursorPos() override;
  void SetCursorShape(int cursor) override;
  ShiftState KeyboardShiftState() override;
  Rect ScreenRect() override;
  Rect WorkArea() override;
  int DragThreshold() override { return ::GetSystemMetrics(SM_CXDRAG); }
  int WheelScrollLines() override;
  Color SystemColorValue(int index) override { return static_cast<Color>(::GetSysColor(index)); }
  bool ThemesAvailable() override;
  ClipboardStore& Clipboard() override { return *clipboard_; }

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void RegisterClassOnce(const CreateParams& params);

  HINSTANCE instance_;
  DWORD mainThread_;
  HWND utility_ = nullptr;
  std::set<String> classes_;
  std::map<HWND, PAINTSTRUCT> painting_;
  std::unique_ptr<ClipboardStore> clipboard_;
};

}  // namespace toolkit::win32
