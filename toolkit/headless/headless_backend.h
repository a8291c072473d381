// The backend without a window system: windows are records, messages are
// delivered by an explicit pump, time is a manual clock the test advances,
// drawing is recorded (and rasterised into bitmaps), the clipboard lives in
// memory. Tests drive input through the helpers at the end.
#pragma once
#include <deque>
#include <map>
#include <mutex>

#include "toolkit/backend.h"
#include "toolkit/headless/draw_call.h"

namespace toolkit::headless {

struct WindowRecord {
  WindowClient* client = nullptr;
  CreateParams params;
  Rect bounds;
  bool visible = false;
  bool enabled = true;
  String text;
  WindowHandle parent = 0;
  Rect invalid;
  ScrollInfo scroll[2];
  bool scrollShown[2] = {false, false};
  // Everything painted on the window, in order.
  std::vector<DrawCall> drawing;
};

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend();
  ~HeadlessBackend() override;

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
  WindowHandle Focus() override { return focus_; }
  void SetCapture(WindowHandle window) override;
  void ReleaseCapture() override;
  WindowHandle Capture() override { return capture_; }
  void SetScrollInfo(WindowHandle window, ScrollBarKind bar, const ScrollInfo& info, bool redraw) override;
  ScrollInfo GetScrollInfo(WindowHandle window, ScrollBarKind bar) override;
  void ShowScrollBar(WindowHandle window, ScrollBarKind bar, bool show) override;

  std::intptr_t DefaultWindowProc(WindowHandle window, Message& message) override;
  std::intptr_t SendMessage(WindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                            std::intptr_t lParam) override;
  bool PostMessage(WindowHandle window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) override;
  bool ProcessMessage() override;
  void WaitMessage() override {}
  void WakeMainThread() override {}

  void SetTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds) override;
  void KillTimer(WindowHandle window, std::uintptr_t id) override;
  std::uint32_t TickCount() override { return static_cast<std::uint32_t>(now_); }

  Point CursorPos() override { return cursor_; }
  void SetCursorShape(int cursor) override { cursorShape_ = cursor; }
  ShiftState KeyboardShiftState() override { return shift_; }
  Rect ScreenRect() override { return {0, 0, 1024, 768}; }
  Rect WorkArea() override { return {0, 0, 1024, 728}; }
  int DragThreshold() override { return 5; }
  int WheelScrollLines() override { return 3; }
  // A fixed table of the classic light scheme (see the source).
  Color SystemColorValue(int index) override;
  bool ThemesAvailable() override { return themes_; }
  ClipboardStore& Clipboard() override;

  // For tests.
  WindowRecord* Window(WindowHandle window);
  std::vector<DrawCall>& Drawing(WindowHandle window);
  // Everything drawn on bitmaps, in order.
  std::vector<DrawCall>& OffscreenDrawing() { return offscreen_; }
  // Moves the clock, firing due timers in time order (each as WM_TIMER).
  void AdvanceClock(unsigned milliseconds);
  // Runs posted messages and paints until nothing is left.
  void PumpAll();
  int CursorShape() const { return cursorShape_; }
  void SetThemesAvailable(bool available) { themes_ = available; }
  void SetShiftState(ShiftState shift) { shift_ = shift; }
  // Mouse input at a screen point, to the capture window or the one under it.
  void MouseMove(Point screen, std::uintptr_t keys = 0);
  void MouseButton(std::uint32_t msg, Point screen, std::uintptr_t keys);
  void SetCursorPos(Point screen) { cursor_ = screen; }
  std::size_t PendingMessages();

 private:
  struct Posted {
    WindowHandle window;
    std::uint32_t msg;
    std::uintptr_t wParam;
    std::intptr_t lParam;
  };
  struct TimerRecord {
    unsigned interval;
    std::uint64_t due;
  };
  bool Showing(WindowHandle window);
  WindowHandle HitTest(WindowHandle parent, Point screen);
  void SendMouse(std::uint32_t msg, Point screen, std::uintptr_t keys);

  std::map<WindowHandle, WindowRecord> windows_;
  WindowHandle nextHandle_ = 0x100;
  std::mutex postedMutex_;
  std::deque<Posted> posted_;
  std::map<std::pair<WindowHandle, std::uintptr_t>, TimerRecord> timers_;
  std::uint64_t now_ = 0;
  WindowHandle focus_ = 0;
  WindowHandle capture_ = 0;
  Point cursor_;
  int cursorShape_ = 0;
  ShiftState shift_ = 0;
  bool themes_ = false;
  std::vector<DrawCall> offscreen_;
  std::unique_ptr<ClipboardStore> clipboard_;
};

// Makes a headless backend current and answers it (on any build).
HeadlessBackend& Install();

}  // namespace toolkit::headless
