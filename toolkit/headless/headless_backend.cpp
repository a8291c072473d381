#include "toolkit/headless/headless_backend.h"

#include "toolkit/graphics/bitmap.h"
#include "toolkit/headless/memory_clipboard.h"
#include "toolkit/headless/recording_device.h"

namespace toolkit::headless {

namespace {

class MemorySurface : public BitmapSurface {
 public:
  MemorySurface(int width, int height, std::vector<DrawCall>* log)
      : bits_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)),
        width_(width),
        height_(height),
        log_(log) {}
  std::uint32_t* Bits() override { return bits_.data(); }
  std::unique_ptr<CanvasDevice> NewDevice() override {
    return std::make_unique<RecordingDevice>(log_, bits_.data(), width_, height_);
  }
  std::uintptr_t NativeHandle() const override { return 0; }

 private:
  std::vector<std::uint32_t> bits_;
  int width_;
  int height_;
  std::vector<DrawCall>* log_;
};

// The classic light scheme, indexed by system colour number.
constexpr Color kSystemColors[] = {
    Rgb(200, 200, 200), Rgb(0, 0, 0),       Rgb(153, 180, 209), Rgb(191, 205, 219), Rgb(240, 240, 240),
    Rgb(255, 255, 255), Rgb(100, 100, 100), Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(180, 180, 180), Rgb(244, 247, 252), Rgb(171, 171, 171), Rgb(0, 120, 215),   Rgb(255, 255, 255),
    Rgb(240, 240, 240), Rgb(160, 160, 160), Rgb(109, 109, 109), Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(255, 255, 255), Rgb(105, 105, 105), Rgb(227, 227, 227), Rgb(0, 0, 0),       Rgb(255, 255, 225),
    Rgb(0, 0, 0),       Rgb(0, 102, 204),   Rgb(185, 209, 234), Rgb(215, 228, 242), Rgb(0, 120, 215),
    Rgb(240, 240, 240),
};

}  // namespace

HeadlessBackend::HeadlessBackend() : clipboard_(std::make_unique<MemoryClipboard>()) {}

HeadlessBackend::~HeadlessBackend() = default;

WindowHandle HeadlessBackend::CreateWindow(WindowClient& client, const CreateParams& params) {
  const WindowHandle handle = nextHandle_;
  nextHandle_ += 4;
  WindowRecord& record = windows_[handle];
  record.client = &client;
  record.params = params;
  record.bounds = params.bounds;
  record.visible = (params.style & ws::Visible) != 0;
  record.text = params.caption;
  record.parent = params.parent;
  record.invalid = {0, 0, params.bounds.Width(), params.bounds.Height()};
  SendMessage(handle, msg::Create, 0, 0);
  return handle;
}

void HeadlessBackend::DestroyWindow(WindowHandle window) {
  if (!windows_.count(window)) return;
  // Children first, as the platform does.
  std::vector<WindowHandle> children;
  for (const auto& [handle, record] : windows_)
    if (record.parent == window) children.push_back(handle);
  for (WindowHandle child : children) DestroyWindow(child);
  if (focus_ == window) focus_ = 0;
  if (capture_ == window) capture_ = 0;
  for (auto it = timers_.begin(); it != timers_.end();) it = it->first.first == window ? timers_.erase(it) : ++it;
  dropTargets_.erase(window);
  windows_.erase(window);
}

WindowRecord* HeadlessBackend::Window(WindowHandle window) {
  const auto it = windows_.find(window);
  return it == windows_.end() ? nullptr : &it->second;
}

std::vector<DrawCall>& HeadlessBackend::Drawing(WindowHandle window) {
  static std::vector<DrawCall> none;
  WindowRecord* record = Window(window);
  return record ? record->drawing : none;
}

void HeadlessBackend::SetWindowBounds(WindowHandle window, const Rect& bounds) {
  WindowRecord* record = Window(window);
  if (!record || record->bounds == bounds) return;
  const bool resized = bounds.Width() != record->bounds.Width() || bounds.Height() != record->bounds.Height();
  record->bounds = bounds;
  record->invalid = {0, 0, bounds.Width(), bounds.Height()};
  SendMessage(window, msg::Move, 0, PackPoint(bounds.left, bounds.top));
  if (resized) SendMessage(window, msg::Size, 0, PackPoint(bounds.Width(), bounds.Height()));
}

Rect HeadlessBackend::WindowBounds(WindowHandle window) {
  WindowRecord* record = Window(window);
  return record ? record->bounds : Rect{};
}

void HeadlessBackend::ShowWindow(WindowHandle window, bool visible) {
  WindowRecord* record = Window(window);
  if (!record || record->visible == visible) return;
  record->visible = visible;
  if (visible) record->invalid = {0, 0, record->bounds.Width(), record->bounds.Height()};
  SendMessage(window, msg::ShowWindow, visible ? 1 : 0, 0);
}

void HeadlessBackend::EnableWindow(WindowHandle window, bool enabled) {
  if (WindowRecord* record = Window(window)) record->enabled = enabled;
}

void HeadlessBackend::SetWindowText(WindowHandle window, StringView text) {
  if (WindowRecord* record = Window(window)) record->text = String(text);
}

Rect HeadlessBackend::ClientRect(WindowHandle window) {
  WindowRecord* record = Window(window);
  return record ? Rect{0, 0, record->bounds.Width(), record->bounds.Height()} : Rect{};
}

Point HeadlessBackend::ClientToScreen(WindowHandle window, Point point) {
  for (WindowRecord* record = Window(window); record; record = Window(record->parent)) {
    point.x += record->bounds.left;
    point.y += record->bounds.top;
  }
  return point;
}

Point HeadlessBackend::ScreenToClient(WindowHandle window, Point point) {
  const Point origin = ClientToScreen(window, {0, 0});
  return {point.x - origin.x, point.y - origin.y};
}

bool HeadlessBackend::Showing(WindowHandle window) {
  for (WindowRecord* record = Window(window); record; record = Window(record->parent))
    if (!record->visible) return false;
  return Window(window) != nullptr;
}

WindowHandle HeadlessBackend::HitTest(WindowHandle parent, Point screen) {
  // Later windows lie on top of earlier ones.
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
    const WindowRecord& record = it->second;
    if (record.parent != parent || !record.visible) continue;
    const Point client = ScreenToClient(it->first, screen);
    if (!ClientRect(it->first).Contains(client)) continue;
    if (SendMessage(it->first, msg::NcHitTest, 0, PackPoint(screen.x, screen.y)) == kHitTransparent) continue;
    const WindowHandle deeper = HitTest(it->first, screen);
    return deeper ? deeper : it->first;
  }
  return 0;
}

WindowHandle HeadlessBackend::WindowFromPoint(Point screenPoint) { return HitTest(0, screenPoint); }

void HeadlessBackend::Invalidate(WindowHandle window, const Rect* rect, bool) {
  WindowRecord* record = Window(window);
  if (!record) return;
  const Rect client{0, 0, record->bounds.Width(), record->bounds.Height()};
  record->invalid = record->invalid.Union(rect ? rect->Intersect(client) : client);
}

void HeadlessBackend::UpdateWindow(WindowHandle window) {
  WindowRecord* record = Window(window);
  if (record && !record->invalid.IsEmpty() && Showing(window)) SendMessage(window, msg::Paint, 0, 0);
}

std::unique_ptr<CanvasDevice> HeadlessBackend::BeginPaint(WindowHandle window, Rect& updateRect) {
  WindowRecord* record = Window(window);
  if (!record) {
    updateRect = {};
    return std::make_unique<RecordingDevice>(nullptr, nullptr, 0, 0);
  }
  updateRect = record->invalid;
  record->invalid = {};
  return std::make_unique<RecordingDevice>(&record->drawing, nullptr, 0, 0);
}

void HeadlessBackend::EndPaint(WindowHandle, std::unique_ptr<CanvasDevice>) {}

std::unique_ptr<CanvasDevice> HeadlessBackend::WindowDevice(WindowHandle window) {
  WindowRecord* record = Window(window);
  return std::make_unique<RecordingDevice>(record ? &record->drawing : nullptr, nullptr, 0, 0);
}

// Headless windows have no frame: the whole window is the client area.
std::unique_ptr<CanvasDevice> HeadlessBackend::FrameDevice(WindowHandle window) { return WindowDevice(window); }

std::unique_ptr<CanvasDevice> HeadlessBackend::MeasuringDevice() {
  return std::make_unique<RecordingDevice>(nullptr, nullptr, 0, 0);
}

std::unique_ptr<BitmapSurface> HeadlessBackend::CreateBitmapSurface(int width, int height) {
  return std::make_unique<MemorySurface>(width, height, &offscreen_);
}

void HeadlessBackend::SetFocus(WindowHandle window) {
  if (window == focus_ || (window && !Window(window))) return;
  const WindowHandle old = focus_;
  focus_ = window;
  if (old) SendMessage(old, msg::KillFocus, window, 0);
  if (window && focus_ == window) SendMessage(window, msg::SetFocus, old, 0);
}

void HeadlessBackend::SetCapture(WindowHandle window) {
  if (window == capture_) return;
  const WindowHandle old = capture_;
  capture_ = window;
  if (old) SendMessage(old, msg::CaptureChanged, 0, static_cast<std::intptr_t>(window));
}

void HeadlessBackend::ReleaseCapture() { SetCapture(0); }

WindowHandle HeadlessBackend::Focus() { return focus_; }

WindowHandle HeadlessBackend::Capture() { return capture_; }

void HeadlessBackend::SetScrollInfo(WindowHandle window, ScrollBarKind bar, const ScrollInfo& info, bool) {
  WindowRecord* record = Window(window);
  if (!record) return;
  ScrollInfo fixed = info;
  // The position stays inside the range the page leaves, as the platform keeps it.
  const int last = fixed.max - (fixed.page > 0 ? fixed.page - 1 : 0);
  if (fixed.pos > last) fixed.pos = last;
  if (fixed.pos < fixed.min) fixed.pos = fixed.min;
  record->scroll[static_cast<int>(bar)] = fixed;
}

ScrollInfo HeadlessBackend::GetScrollInfo(WindowHandle window, ScrollBarKind bar) {
  WindowRecord* record = Window(window);
  return record ? record->scroll[static_cast<int>(bar)] : ScrollInfo{};
}

void HeadlessBackend::ShowScrollBar(WindowHandle window, ScrollBarKind bar, bool show) {
  if (WindowRecord* record = Window(window)) record->scrollShown[static_cast<int>(bar)] = show;
}

std::intptr_t HeadlessBackend::DefaultWindowProc(WindowHandle, Message&) { return 0; }

std::intptr_t HeadlessBackend::SendMessage(WindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                                           std::intptr_t lParam) {
  WindowRecord* record = Window(window);
  if (!record || !record->client) return 0;
  Message message{msg, wParam, lParam, 0};
  record->client->WindowProc(message);
  return message.result;
}

bool HeadlessBackend::PostMessage(WindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                                  std::intptr_t lParam) {
  std::lock_guard lock(postedMutex_);
  posted_.push_back({window, msg, wParam, lParam});
  return true;
}

std::size_t HeadlessBackend::PendingMessages() {
  std::lock_guard lock(postedMutex_);
  return posted_.size();
}

void HeadlessBackend::WaitMessage() {}

void HeadlessBackend::WakeMainThread() {}

bool HeadlessBackend::ProcessMessage() {
  Posted next{};
  bool have = false;
  {
    std::lock_guard lock(postedMutex_);
    if (!posted_.empty()) {
      next = posted_.front();
      posted_.pop_front();
      have = true;
    }
  }
  if (have) {
    SendMessage(next.window, next.msg, next.wParam, next.lParam);
    return true;
  }
  // Like the platform: paint only when no other message waits.
  for (auto& [handle, record] : windows_) {
    if (!record.invalid.IsEmpty() && Showing(handle)) {
      SendMessage(handle, msg::Paint, 0, 0);
      return true;
    }
  }
  return false;
}

void HeadlessBackend::PumpAll() {
  while (ProcessMessage()) {
  }
}

void HeadlessBackend::SetTimer(WindowHandle window, std::uintptr_t id, unsigned milliseconds) {
  if (!Window(window)) return;
  const unsigned interval = milliseconds == 0 ? 1 : milliseconds;
  timers_[{window, id}] = {interval, now_ + interval};
}

void HeadlessBackend::KillTimer(WindowHandle window, std::uintptr_t id) { timers_.erase({window, id}); }

std::uint32_t HeadlessBackend::TickCount() { return static_cast<std::uint32_t>(now_); }

void HeadlessBackend::AdvanceClock(unsigned milliseconds) {
  const std::uint64_t target = now_ + milliseconds;
  for (;;) {
    auto next = timers_.end();
    for (auto it = timers_.begin(); it != timers_.end(); ++it)
      if (it->second.due <= target && (next == timers_.end() || it->second.due < next->second.due)) next = it;
    if (next == timers_.end()) break;
    const auto key = next->first;
    now_ = next->second.due;
    next->second.due += next->second.interval;
    SendMessage(key.first, msg::Timer, key.second, 0);
  }
  now_ = target;
}

void HeadlessBackend::SendMouse(std::uint32_t msg, Point screen, std::uintptr_t keys) {
  cursor_ = screen;
  const WindowHandle target = capture_ ? capture_ : WindowFromPoint(screen);
  if (!target) return;
  const Point client = ScreenToClient(target, screen);
  if (!capture_) SendMessage(target, msg::SetCursor, target, 1);
  SendMessage(target, msg, keys, PackPoint(client.x, client.y));
}

void HeadlessBackend::MouseMove(Point screen, std::uintptr_t keys) { SendMouse(msg::MouseMove, screen, keys); }

void HeadlessBackend::MouseButton(std::uint32_t msg, Point screen, std::uintptr_t keys) { SendMouse(msg, screen, keys); }

Point HeadlessBackend::CursorPos() { return cursor_; }

void HeadlessBackend::SetCursorShape(int cursor) { cursorShape_ = cursor; }

ShiftState HeadlessBackend::KeyboardShiftState() { return shift_; }

Rect HeadlessBackend::ScreenRect() { return {0, 0, 1024, 768}; }

Rect HeadlessBackend::WorkArea() { return {0, 0, 1024, 728}; }

int HeadlessBackend::DragThreshold() { return 5; }

int HeadlessBackend::WheelScrollLines() { return 3; }

bool HeadlessBackend::ThemesAvailable() { return themes_; }

Color HeadlessBackend::SystemColorValue(int index) {
  constexpr int count = static_cast<int>(sizeof(kSystemColors) / sizeof(kSystemColors[0]));
  return index >= 0 && index < count ? kSystemColors[index] : clBlack;
}

ClipboardStore& HeadlessBackend::Clipboard() { return *clipboard_; }

std::unique_ptr<CanvasDevice> HeadlessBackend::ScreenDevice() {
  const Rect screen = ScreenRect();
  screenPixels_.resize(static_cast<std::size_t>(screen.Width()) * static_cast<std::size_t>(screen.Height()));
  return std::make_unique<RecordingDevice>(&screenDrawing_, screenPixels_.data(), screen.Width(), screen.Height());
}

CursorHandle HeadlessBackend::CreateCursor(const Bitmap& image, Color transparentColor, Point hotSpot) {
  if (image.Empty()) return 0;
  CursorImage cursor{{image.Width(), image.Height()}, hotSpot, 0};
  const Color skip = ColorToRgb(transparentColor);
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (image.Pixel(x, y) != skip) ++cursor.opaquePixels;
  cursors_[nextCursor_] = cursor;
  return nextCursor_++;
}

void HeadlessBackend::RegisterCursor(int number, CursorHandle cursor) {
  if (number <= 0) return;
  if (cursor) {
    registeredCursors_[number] = cursor;
  } else {
    registeredCursors_.erase(number);
  }
}

CursorHandle HeadlessBackend::RegisteredCursor(int number) {
  const auto found = registeredCursors_.find(number);
  return found == registeredCursors_.end() ? 0 : found->second;
}

const HeadlessBackend::CursorImage* HeadlessBackend::Cursor(CursorHandle cursor) const {
  const auto found = cursors_.find(cursor);
  return found == cursors_.end() ? nullptr : &found->second;
}

HeadlessBackend& Install() {
  SetGlyphWidths({});
  auto backend = std::make_unique<HeadlessBackend>();
  HeadlessBackend& installed = *backend;
  SetBackend(std::move(backend));
  return installed;
}

}  // namespace toolkit::headless
