// The backend without a window system: windows are records, messages are
// delivered by an explicit pump, time is a manual clock the test advances,
// drawing is recorded (and rasterised into bitmaps), the clipboard lives in
// memory. Tests drive input through the helpers at the end.
#pragma once
#include <deque>
#include <future>
#include <map>
#include <mutex>
#include <thread>

#include "toolkit/controls/drag_drop.h"
#include "toolkit/graphics/backend.h"
#include "toolkit/headless/draw_call.h"
#include "toolkit/headless/memory_clipboard.h"

namespace toolkit::headless {

struct WindowRecord {
  WindowClient* client = nullptr;
  CreateParams params;
  Rect bounds;
  // The client area in window coordinates: the window less its borders,
  // its scroll bars and what the control reserves (msg::NcCalcSize).
  Rect clientArea;
  bool visible = false;
  bool enabled = true;
  String text;
  WindowHandle parent = 0;
  Rect invalid;
  ScrollInfo scroll[2];
  bool scrollShown[2] = {false, false};
  // Window coordinates; the window is only there where the region is.
  bool hasRegion = false;
  Region region;
  bool acceptsFiles = false;
  // Everything painted on the window, in order.
  std::vector<DrawCall> drawing;
};

// The caret as the platform keeps it: shown once every hide is undone.
struct CaretRecord {
  WindowHandle owner = 0;
  Size size;
  Point pos;
  int hideCount = 1;
  bool Visible() const { return hideCount == 0; }
};

class HeadlessBackend : public Backend {
 public:
  HeadlessBackend();
  ~HeadlessBackend() override;

#include "toolkit/graphics/backend_overrides.inc"

  // For tests. Looking a window up is safe from any thread; its record
  // belongs to the main thread.
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
  // Mouse wheel input: to the focused window, as the platform sends it.
  void MouseWheel(Point screen, int delta, std::uintptr_t keys = 0);
  const CaretRecord* Caret() const { return caret_.owner ? &caret_ : nullptr; }
  // The top-level window shown last with activation.
  WindowHandle ActiveWindow() const { return active_; }
  // Files dropped from outside at a client point of the window: the nearest
  // window that accepts files gets msg::DropFiles; answers its drop handle,
  // 0 when no window took them.
  std::uintptr_t DropFiles(WindowHandle window, Point client, std::vector<String> names);
  // Drops read but not yet released.
  std::size_t OpenDrops() const { return drops_.size(); }

  // One step of a planned drag: the source is asked with the keys held (and
  // Escape pressed when escape is set); when the drag goes on the mouse moves
  // over the screen point, else it drops or is cancelled where it was.
  struct DragStep {
    Point screen;
    std::uint32_t keys = mkLButton;
    bool escape = false;
  };
  // The path the next DoDragDrop follows. A drag without a plan, or whose
  // plan ends before the source drops, is cancelled: nothing ever blocks.
  void PlanDrag(std::vector<DragStep> steps);
  // A drag that comes from another program, steered by the standard source.
  DropEffects DragFromOutside(DataObject& data, std::vector<DragStep> steps, DropEffects allowed);
  DropTarget* RegisteredDropTarget(WindowHandle window);

  // Everything drawn on the screen device, in order; its pixels start black.
  std::vector<DrawCall>& ScreenDrawing() { return screenDrawing_; }
  struct CursorImage {
    Size size;
    Point hotSpot;
    // Pixels that show (not of the transparent colour).
    int opaquePixels = 0;
  };
  // A cursor made by CreateCursor, or null.
  const CursorImage* Cursor(CursorHandle cursor) const;

 private:
  using Posted = QueuedMessage;
  struct TimerRecord {
    unsigned interval;
    std::uint64_t due;
  };
  bool Showing(WindowHandle window);
  // Asks the window for its client area and answers whether its size changed.
  bool CalcClient(WindowHandle window);
  void DefaultNcCalcSize(WindowRecord& record, Rect& rect);
  int DefaultNcHitTest(WindowHandle window, Point screen);
  // The screen point of the window's top-left corner (not its client area's).
  Point WindowOrigin(WindowHandle window);
  // Runs the messages other threads sent; main thread only.
  void RunSentMessages();
  WindowHandle HitTest(WindowHandle parent, Point screen);
  void SendMouse(std::uint32_t msg, Point screen, std::uintptr_t keys);
  // The registered window at a screen point: the one under it or its nearest
  // registered parent, as the platform looks for drop targets.
  WindowHandle DropWindowAt(Point screen);
  DropEffects RunDrag(DataObject& data, DropSource& source, DropEffects allowed, std::vector<DragStep> steps);

  // A message another thread sent: it waits until the main thread ran it.
  struct SentMessage {
    QueuedMessage message;
    std::promise<std::intptr_t> result;
  };

  std::recursive_mutex windowsMutex_;
  std::map<WindowHandle, WindowRecord> windows_;
  std::thread::id mainThread_ = std::this_thread::get_id();
  std::deque<SentMessage*> sent_;
  CaretRecord caret_;
  WindowHandle active_ = 0;
  std::map<std::uintptr_t, DroppedFiles> drops_;
  std::uintptr_t nextDrop_ = 0x1000;
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
  std::unique_ptr<MemoryClipboard> clipboard_;
  std::map<WindowHandle, DropTarget*> dropTargets_;
  std::vector<DragStep> plannedDrag_;
  std::vector<DrawCall> screenDrawing_;
  std::vector<std::uint32_t> screenPixels_;
  std::map<CursorHandle, CursorImage> cursors_;
  CursorHandle nextCursor_ = 0x10;
  std::map<int, CursorHandle> registeredCursors_;
};

// Makes a headless backend current and answers it (on any build).
HeadlessBackend& Install();

}  // namespace toolkit::headless
