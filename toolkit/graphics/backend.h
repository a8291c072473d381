// The small interface every toolkit class talks to instead of a platform:
// windows and their messages, painting, timers, the clock, input state,
// system values, bitmap memory and the clipboard. One backend is current
// per process; the Win32 one draws real windows, the headless one records.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/core/clipboard_format.h"
#include "toolkit/core/geometry.h"
#include "toolkit/core/messages.h"
#include "toolkit/core/shortcut.h"
#include "toolkit/graphics/canvas_device.h"
#include "toolkit/graphics/region.h"

namespace toolkit {

class BitmapSurface;
// Drag and drop (toolkit/controls/drag_drop.h) passes through the backend
// by reference only.
class DataObject;
class DropSource;
class DropTarget;

// The platform's drop effect bits.
using DropEffects = std::uint32_t;
namespace de {
inline constexpr DropEffects None = 0;
inline constexpr DropEffects Copy = 1;
inline constexpr DropEffects Move = 2;
inline constexpr DropEffects Link = 4;
inline constexpr DropEffects Scroll = 0x80000000;
}  // namespace de

using WindowHandle = std::uintptr_t;
using CursorHandle = std::uintptr_t;

// What receives a window's messages; the windowed controls implement it.
class WindowClient {
 public:
  virtual ~WindowClient() = default;
  virtual void WindowProc(Message& message) = 0;
};

// Platform window style bits the controls use.
namespace ws {
inline constexpr std::uint32_t Popup = 0x80000000;
inline constexpr std::uint32_t Child = 0x40000000;
inline constexpr std::uint32_t Visible = 0x10000000;
inline constexpr std::uint32_t ClipSiblings = 0x04000000;
inline constexpr std::uint32_t ClipChildren = 0x02000000;
inline constexpr std::uint32_t Caption = 0x00C00000;
inline constexpr std::uint32_t Border = 0x00800000;
inline constexpr std::uint32_t VScroll = 0x00200000;
inline constexpr std::uint32_t HScroll = 0x00100000;
inline constexpr std::uint32_t SysMenu = 0x00080000;
inline constexpr std::uint32_t ThickFrame = 0x00040000;
inline constexpr std::uint32_t TabStop = 0x00010000;
inline constexpr std::uint32_t OverlappedWindow = 0x00CF0000;
inline constexpr std::uint32_t ExToolWindow = 0x00000080;
inline constexpr std::uint32_t ExTopmost = 0x00000008;
inline constexpr std::uint32_t ExClientEdge = 0x00000200;
inline constexpr std::uint32_t ClassDblClks = 0x0008;
inline constexpr std::uint32_t ClassHRedraw = 0x0002;
inline constexpr std::uint32_t ClassVRedraw = 0x0001;
inline constexpr std::uint32_t ClassSaveBits = 0x0800;
inline constexpr std::uint32_t ClassDropShadow = 0x00020000;
}  // namespace ws

struct CreateParams {
  String caption;
  String windowClassName;
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::uint32_t classStyle = ws::ClassDblClks;
  // In the parent's client coordinates (screen coordinates without a parent).
  Rect bounds;
  WindowHandle parent = 0;
};

enum class ScrollBarKind { Horizontal = 0, Vertical = 1 };

struct ScrollInfo {
  int min = 0;
  int max = 0;
  int page = 0;
  int pos = 0;
  // Where the thumb is while the user drags it; read only.
  int trackPos = 0;
  friend bool operator==(const ScrollInfo&, const ScrollInfo&) = default;
};

// ScrollWindow flags, with the values of the platform's own.
namespace sw {
inline constexpr unsigned ScrollChildren = 1;
inline constexpr unsigned Invalidate = 2;
inline constexpr unsigned Erase = 4;
}  // namespace sw

// Hit-test codes of msg::NcHitTest, with the values of the platform's own.
namespace ht {
inline constexpr int Nowhere = 0;
inline constexpr int Client = 1;
inline constexpr int HScroll = 6;
inline constexpr int VScroll = 7;
inline constexpr int Border = 18;
}  // namespace ht

// Sizes the system decides.
enum class SystemMetric {
  ScrollBarWidth,   // of a vertical scroll bar
  ScrollBarHeight,  // of a horizontal scroll bar
  EdgeWidth,        // of a 3-D edge (a client edge)
  EdgeHeight,
  FrameWidth,  // of a sizing frame
  FrameHeight,
  MenuCheckWidth,  // of a menu check mark
  MenuCheckHeight,
};

// Switches the user sets for the whole system.
enum class SystemSetting {
  ToolTipAnimation,
  ToolTipFade,
  DragFullWindows,
};

// Files dropped on a window: the names and the point, in the window's
// client coordinates.
struct DroppedFiles {
  Point point;
  std::vector<String> names;
};

// A message taken from (or seen in) the queue of posted messages.
struct QueuedMessage {
  WindowHandle window = 0;
  std::uint32_t msg = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
};

// Standard cursors; negative numbers, 0 is the control's default.
namespace cr {
inline constexpr int Default = 0;
inline constexpr int None = -1;
inline constexpr int Arrow = -2;
inline constexpr int Cross = -3;
inline constexpr int IBeam = -4;
inline constexpr int SizeNESW = -6;
inline constexpr int SizeNS = -7;
inline constexpr int SizeNWSE = -8;
inline constexpr int SizeWE = -9;
inline constexpr int UpArrow = -10;
inline constexpr int HourGlass = -11;
inline constexpr int Drag = -12;
inline constexpr int NoDrop = -13;
inline constexpr int HSplit = -14;
inline constexpr int VSplit = -15;
inline constexpr int MultiDrag = -16;
inline constexpr int No = -18;
inline constexpr int AppStart = -19;
inline constexpr int Help = -20;
inline constexpr int HandPoint = -21;
inline constexpr int SizeAll = -22;
}  // namespace cr

// The system clipboard as bytes per format.
class ClipboardStore {
 public:
  virtual ~ClipboardStore() = default;
  virtual bool Open() = 0;
  virtual void Close() = 0;
  // Empties the clipboard and takes ownership; only while open.
  virtual bool Empty() = 0;
  virtual bool HasFormat(ClipboardFormat format) = 0;
  virtual bool GetData(ClipboardFormat format, std::vector<std::uint8_t>& data) = 0;
  virtual bool SetData(ClipboardFormat format, const void* data, std::size_t size) = 0;
  // The same name always gives the same number; 0 for a bad name.
  virtual ClipboardFormat RegisterFormat(StringView name) = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;

  // Windows.
  virtual WindowHandle CreateWindow(WindowClient& client, const CreateParams& params) = 0;
  virtual void DestroyWindow(WindowHandle window) = 0;
  virtual void SetWindowBounds(WindowHandle window, const Rect& bounds) = 0;
  // In the parent's client coordinates (screen coordinates without a parent).
  virtual Rect WindowBounds(WindowHandle window) = 0;
  virtual void ShowWindow(WindowHandle window, bool visible) = 0;
  // Shows the window without making it the active one.
  virtual void ShowWindowNoActivate(WindowHandle window) = 0;
  // Asks the window for its client area again (msg::NcCalcSize), after a
  // control changed what it reserves.
  virtual void FrameChanged(WindowHandle window) = 0;
  // The window keeps only the part of itself inside these rectangles (in
  // window coordinates) for drawing and the mouse; none: the whole window.
  virtual void SetWindowRegion(WindowHandle window, const Region* region) = 0;
  virtual void EnableWindow(WindowHandle window, bool enabled) = 0;
  virtual void SetWindowText(WindowHandle window, StringView text) = 0;
  virtual Rect ClientRect(WindowHandle window) = 0;
  virtual Point ClientToScreen(WindowHandle window, Point point) = 0;
  virtual Point ScreenToClient(WindowHandle window, Point point) = 0;
  virtual WindowHandle WindowFromPoint(Point screenPoint) = 0;

  // Painting. BeginPaint answers the update rectangle and a device valid
  // until EndPaint; WindowDevice and FrameDevice draw outside a paint cycle.
  virtual void Invalidate(WindowHandle window, const Rect* rect, bool erase) = 0;
  virtual void UpdateWindow(WindowHandle window) = 0;
  virtual std::unique_ptr<CanvasDevice> BeginPaint(WindowHandle window, Rect& updateRect) = 0;
  virtual void EndPaint(WindowHandle window, std::unique_ptr<CanvasDevice> device) = 0;
  virtual std::unique_ptr<CanvasDevice> WindowDevice(WindowHandle window) = 0;
  // The whole window, frame included, from its top-left corner.
  virtual std::unique_ptr<CanvasDevice> FrameDevice(WindowHandle window) = 0;
  // A device only for measuring text (no window needed).
  virtual std::unique_ptr<CanvasDevice> MeasuringDevice() = 0;
  virtual std::unique_ptr<BitmapSurface> CreateBitmapSurface(int width, int height) = 0;

  // Focus, capture and scroll bars.
  virtual void SetFocus(WindowHandle window) = 0;
  virtual WindowHandle Focus() = 0;
  virtual void SetCapture(WindowHandle window) = 0;
  virtual void ReleaseCapture() = 0;
  virtual WindowHandle Capture() = 0;
  virtual void SetScrollInfo(WindowHandle window, ScrollBarKind bar, const ScrollInfo& info, bool redraw) = 0;
  virtual ScrollInfo GetScrollInfo(WindowHandle window, ScrollBarKind bar) = 0;
  virtual void ShowScrollBar(WindowHandle window, ScrollBarKind bar, bool show) = 0;
  // Moves the pixels of the client area (or of scroll, within clip) by dx,
  // dy and answers the area left uncovered, invalidated with sw::Invalidate;
  // sw::ScrollChildren moves the child windows along.
  virtual std::vector<Rect> ScrollWindow(WindowHandle window, int dx, int dy, const Rect* scroll, const Rect* clip,
                                         unsigned flags) = 0;

  // The system caret: one per thread, owned by a window; created hidden,
  // shown when every HideCaret has been undone by a ShowCaret. Destroying
  // the owner destroys it.
  virtual bool CreateCaret(WindowHandle window, int width, int height) = 0;
  virtual void DestroyCaret() = 0;
  virtual void ShowCaret(WindowHandle window) = 0;
  virtual void HideCaret(WindowHandle window) = 0;
  // In the owner's client coordinates.
  virtual void SetCaretPos(Point point) = 0;
  virtual Point CaretPos() = 0;

  // Messages. ProcessMessage runs one waiting message and answers false
  // when none was waiting.
  virtual std::intptr_t DefaultWindowProc(WindowHandle window, Message& message) = 0;
  virtual std::intptr_t SendMessage(WindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                                    std::intptr_t lParam) = 0;
  virtual bool PostMessage(WindowHandle window, std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) = 0;
  virtual bool ProcessMessage() = 0;
  // Looks for a posted message for the window (any window of the thread with
  // 0) whose number lies in first..last, and takes it from the queue when
  // remove is set; the caller dispatches it.
  virtual bool PeekMessage(WindowHandle window, std::uint32_t first, std::uint32_t last, bool remove,
                           QueuedMessage& message) = 0;
  // Blocks until something arrives for the pump (never blocks headless).
  virtual void WaitMessage() = 0;
  // Safe from any thread: makes a waiting pump return.
  virtual void WakeMainThread() = 0;

  // Timers post WM_TIMER with the id to the window.
  virtual void SetTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds) = 0;
  virtual void KillTimer(WindowHandle window, std::uintptr_t id) = 0;
  virtual std::uint32_t TickCount() = 0;

  // Input state and system values.
  virtual Point CursorPos() = 0;
  virtual void SetCursorShape(int cursor) = 0;
  virtual ShiftState KeyboardShiftState() = 0;
  virtual Rect ScreenRect() = 0;
  virtual Rect WorkArea() = 0;
  virtual int DragThreshold() = 0;
  virtual int WheelScrollLines() = 0;
  virtual Color SystemColorValue(int index) = 0;
  virtual int SystemMetricValue(SystemMetric metric) = 0;
  virtual bool SystemSettingOn(SystemSetting setting) = 0;
  virtual bool ThemesAvailable() = 0;

  virtual ClipboardStore& Clipboard() = 0;

  // Files dropped from the shell arrive as msg::DropFiles once a window
  // accepts them; the handle in wParam is read, then released.
  virtual void AcceptFiles(WindowHandle window, bool accept) = 0;
  virtual DroppedFiles ReadDroppedFiles(std::uintptr_t drop) = 0;
  virtual void ReleaseDrop(std::uintptr_t drop) = 0;

  // Drag and drop. False when the window cannot become a drop target.
  virtual bool RegisterDropTarget(WindowHandle window, DropTarget& target) = 0;
  virtual void RevokeDropTarget(WindowHandle window) = 0;
  // Runs a drag until the source drops or cancels it; answers the effect the
  // target chose, de::None when cancelled or refused.
  virtual DropEffects DoDragDrop(DataObject& data, DropSource& source, DropEffects allowed) = 0;

  // The clipboard as an object: setting keeps a reference until the
  // clipboard changes (nullptr empties it); reading answers nullptr when the
  // clipboard cannot be read; flushing renders every format and lets go.
  virtual bool SetClipboardObject(std::shared_ptr<DataObject> data) = 0;
  virtual std::shared_ptr<DataObject> ClipboardObject() = 0;
  virtual void FlushClipboard() = 0;

  // The whole screen, for drawing over every window and capturing what it
  // shows (drag images, hint animation).
  virtual std::unique_ptr<CanvasDevice> ScreenDevice() = 0;
  // A cursor from a picture whose pixels of the transparent colour are
  // see-through; 0 when the platform refuses it.
  virtual CursorHandle CreateCursor(const Bitmap& image, Color transparentColor, Point hotSpot) = 0;
  // Cursor numbers above 0 name registered cursors, which SetCursorShape
  // shows; the backend owns a registered cursor (0 removes the number).
  virtual void RegisterCursor(int number, CursorHandle cursor) = 0;
  virtual CursorHandle RegisteredCursor(int number) = 0;
};

// The current backend; the default is the platform's (headless natively).
Backend& CurrentBackend();
// Replaces the current backend and answers the previous one. Only with no
// window or bitmap of the old backend alive.
std::unique_ptr<Backend> SetBackend(std::unique_ptr<Backend> backend);
// The platform's own backend, made on first use.
std::unique_ptr<Backend> MakePlatformBackend();
// Counts backend replacements, so a handle of an old backend is never used.
std::uint32_t BackendGeneration();

}  // namespace toolkit
