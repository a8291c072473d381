#include "toolkit/headless/headless_backend.h"

#include <algorithm>

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

HeadlessBackend::~HeadlessBackend() {
  // A thread still waiting on a send hears 0, as for a window that is gone.
  std::lock_guard lock(postedMutex_);
  for (SentMessage* sent : sent_) sent->result.set_value(0);
}

WindowHandle HeadlessBackend::CreateWindow(WindowClient& client, const CreateParams& params) {
  const WindowHandle handle = nextHandle_;
  nextHandle_ += 4;
  {
    std::lock_guard lock(windowsMutex_);
    WindowRecord& record = windows_[handle];
    record.client = &client;
    record.params = params;
    record.bounds = params.bounds;
    record.clientArea = {0, 0, params.bounds.Width(), params.bounds.Height()};
    record.visible = (params.style & ws::Visible) != 0;
    record.text = params.caption;
    record.parent = params.parent;
    record.scrollShown[0] = (params.style & ws::HScroll) != 0;
    record.scrollShown[1] = (params.style & ws::VScroll) != 0;
    // Creation runs on the default non-client area, as on the platform,
    // where the control hears of its window only afterwards.
    Rect rect = record.bounds;
    DefaultNcCalcSize(record, rect);
    record.clientArea = rect.Offset(-record.bounds.left, -record.bounds.top);
    record.invalid = {0, 0, record.clientArea.Width(), record.clientArea.Height()};
  }
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
  if (active_ == window) active_ = 0;
  if (caret_.owner == window) caret_ = {};
  for (auto it = timers_.begin(); it != timers_.end();) it = it->first.first == window ? timers_.erase(it) : ++it;
  dropTargets_.erase(window);
  std::lock_guard lock(windowsMutex_);
  windows_.erase(window);
}

WindowRecord* HeadlessBackend::Window(WindowHandle window) {
  std::lock_guard lock(windowsMutex_);
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
  CalcClient(window);
  record->invalid = {0, 0, record->clientArea.Width(), record->clientArea.Height()};
  SendMessage(window, msg::Move, 0, PackPoint(bounds.left, bounds.top));
  if (resized) SendMessage(window, msg::Size, 0, PackPoint(record->clientArea.Width(), record->clientArea.Height()));
}

bool HeadlessBackend::CalcClient(WindowHandle window) {
  WindowRecord* record = Window(window);
  if (!record) return false;
  Rect rect = record->bounds;
  SendMessage(window, msg::NcCalcSize, 0, reinterpret_cast<std::intptr_t>(&rect));
  // Whatever the control answered, the client area stays inside the window.
  const Rect& b = record->bounds;
  Rect client{std::clamp(rect.left, b.left, b.right) - b.left, std::clamp(rect.top, b.top, b.bottom) - b.top,
              std::clamp(rect.right, b.left, b.right) - b.left, std::clamp(rect.bottom, b.top, b.bottom) - b.top};
  if (client.right < client.left) client.right = client.left;
  if (client.bottom < client.top) client.bottom = client.top;
  const bool resized = client.Width() != record->clientArea.Width() || client.Height() != record->clientArea.Height();
  record->clientArea = client;
  return resized;
}

// Borders and frames count for child windows only: top-level windows have
// no frame here, so forms and pop-ups lay out on their whole rectangle.
void HeadlessBackend::DefaultNcCalcSize(WindowRecord& record, Rect& rect) {
  int edge = 0;
  if (record.params.style & ws::Child) {
    if ((record.params.style & ws::Caption) == ws::Border) edge += 1;
    if (record.params.style & ws::ThickFrame) edge += SystemMetricValue(SystemMetric::FrameWidth);
    if (record.params.exStyle & ws::ExClientEdge) edge += SystemMetricValue(SystemMetric::EdgeWidth);
  }
  rect = {rect.left + edge, rect.top + edge, rect.right - edge, rect.bottom - edge};
  if (record.scrollShown[static_cast<int>(ScrollBarKind::Vertical)])
    rect.right -= SystemMetricValue(SystemMetric::ScrollBarWidth);
  if (record.scrollShown[static_cast<int>(ScrollBarKind::Horizontal)])
    rect.bottom -= SystemMetricValue(SystemMetric::ScrollBarHeight);
}

int HeadlessBackend::DefaultNcHitTest(WindowHandle window, Point screen) {
  WindowRecord* record = Window(window);
  if (!record) return ht::Nowhere;
  const Point origin = WindowOrigin(window);
  const Point at{screen.x - origin.x, screen.y - origin.y};
  const Rect& c = record->clientArea;
  if (c.Contains(at)) return ht::Client;
  if (at.x >= c.right && at.y >= c.top && at.y < c.bottom && record->scrollShown[1]) return ht::VScroll;
  if (at.y >= c.bottom && at.x >= c.left && at.x < c.right && record->scrollShown[0]) return ht::HScroll;
  return ht::Border;
}

void HeadlessBackend::FrameChanged(WindowHandle window) {
  if (CalcClient(window)) {
    WindowRecord* record = Window(window);
    record->invalid = {0, 0, record->clientArea.Width(), record->clientArea.Height()};
    SendMessage(window, msg::Size, 0, PackPoint(record->clientArea.Width(), record->clientArea.Height()));
  }
}

Rect HeadlessBackend::WindowBounds(WindowHandle window) {
  WindowRecord* record = Window(window);
  return record ? record->bounds : Rect{};
}

void HeadlessBackend::ShowWindow(WindowHandle window, bool visible) {
  WindowRecord* record = Window(window);
  if (!record) return;
  if (visible && !record->parent) active_ = window;
  if (record->visible == visible) return;
  record->visible = visible;
  if (visible) record->invalid = {0, 0, record->clientArea.Width(), record->clientArea.Height()};
  SendMessage(window, msg::ShowWindow, visible ? 1 : 0, 0);
}

void HeadlessBackend::ShowWindowNoActivate(WindowHandle window) {
  WindowRecord* record = Window(window);
  if (!record || record->visible) return;
  record->visible = true;
  record->invalid = {0, 0, record->clientArea.Width(), record->clientArea.Height()};
  SendMessage(window, msg::ShowWindow, 1, 0);
}

void HeadlessBackend::EnableWindow(WindowHandle window, bool enabled) {
  if (WindowRecord* record = Window(window)) record->enabled = enabled;
}

void HeadlessBackend::SetWindowText(WindowHandle window, StringView text) {
  if (WindowRecord* record = Window(window)) record->text = String(text);
}

Rect HeadlessBackend::ClientRect(WindowHandle window) {
  WindowRecord* record = Window(window);
  return record ? Rect{0, 0, record->clientArea.Width(), record->clientArea.Height()} : Rect{};
}

Point HeadlessBackend::WindowOrigin(WindowHandle window) {
  WindowRecord* record = Window(window);
  if (!record) return {};
  const Point parent = record->parent ? ClientToScreen(record->parent, {0, 0}) : Point{};
  return {parent.x + record->bounds.left, parent.y + record->bounds.top};
}

Point HeadlessBackend::ClientToScreen(WindowHandle window, Point point) {
  WindowRecord* record = Window(window);
  if (!record) return point;
  const Point origin = WindowOrigin(window);
  return {point.x + origin.x + record->clientArea.left, point.y + origin.y + record->clientArea.top};
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
    const Point origin = WindowOrigin(it->first);
    const Point at{screen.x - origin.x, screen.y - origin.y};
    if (!Rect{0, 0, record.bounds.Width(), record.bounds.Height()}.Contains(at)) continue;
    if (record.hasRegion && !record.region.Contains(at)) continue;
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
  const Rect client{0, 0, record->clientArea.Width(), record->clientArea.Height()};
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

// The frame is drawn on the window's own drawing, from its top-left corner.
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
  // In 64 bits: a range near the ends of int must not wrap.
  const std::int64_t last = std::int64_t{fixed.max} - (fixed.page > 0 ? fixed.page - 1 : 0);
  fixed.pos = static_cast<int>(std::max<std::int64_t>(std::min<std::int64_t>(fixed.pos, last), fixed.min));
  fixed.trackPos = fixed.pos;
  record->scroll[static_cast<int>(bar)] = fixed;
}

ScrollInfo HeadlessBackend::GetScrollInfo(WindowHandle window, ScrollBarKind bar) {
  WindowRecord* record = Window(window);
  return record ? record->scroll[static_cast<int>(bar)] : ScrollInfo{};
}

void HeadlessBackend::ShowScrollBar(WindowHandle window, ScrollBarKind bar, bool show) {
  WindowRecord* record = Window(window);
  if (!record || record->scrollShown[static_cast<int>(bar)] == show) return;
  record->scrollShown[static_cast<int>(bar)] = show;
  FrameChanged(window);
}

// The platform's default handling as far as the toolkit relies on it: the
// non-client area, and the messages a child hands on to its parent.
std::intptr_t HeadlessBackend::DefaultWindowProc(WindowHandle window, Message& message) {
  WindowRecord* record = Window(window);
  if (!record) return 0;
  switch (message.msg) {
    case msg::NcCalcSize:
      DefaultNcCalcSize(*record, *reinterpret_cast<Rect*>(message.lParam));
      return 0;
    case msg::NcHitTest:
      return DefaultNcHitTest(window, {PointX(message.lParam), PointY(message.lParam)});
    case msg::MouseWheel:
    case msg::ContextMenu:
      return record->parent ? SendMessage(record->parent, message.msg, message.wParam, message.lParam) : 0;
    default:
      return 0;
  }
}

std::intptr_t HeadlessBackend::SendMessage(WindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                                           std::intptr_t lParam) {
  if (std::this_thread::get_id() != mainThread_) {
    // As the platform does: the window's own thread runs it, this one waits.
    SentMessage sent{{window, msg, wParam, lParam}, {}};
    std::future<std::intptr_t> result = sent.result.get_future();
    {
      std::lock_guard lock(postedMutex_);
      sent_.push_back(&sent);
    }
    return result.get();
  }
  WindowRecord* record = Window(window);
  if (!record || !record->client) return 0;
  Message message{msg, wParam, lParam, 0};
  record->client->WindowProc(message);
  return message.result;
}

void HeadlessBackend::RunSentMessages() {
  for (;;) {
    SentMessage* sent = nullptr;
    {
      std::lock_guard lock(postedMutex_);
      if (sent_.empty()) return;
      sent = sent_.front();
      sent_.pop_front();
    }
    try {
      sent->result.set_value(SendMessage(sent->message.window, sent->message.msg, sent->message.wParam,
                                         sent->message.lParam));
    } catch (...) {
      sent->result.set_exception(std::current_exception());
    }
  }
}

bool HeadlessBackend::PostMessage(WindowHandle window, std::uint32_t msg, std::uintptr_t wParam,
                                  std::intptr_t lParam) {
  std::lock_guard lock(postedMutex_);
  posted_.push_back({window, msg, wParam, lParam});
  return true;
}

std::size_t HeadlessBackend::PendingMessages() {
  std::lock_guard lock(postedMutex_);
  return posted_.size() + sent_.size();
}

void HeadlessBackend::WaitMessage() {}

void HeadlessBackend::WakeMainThread() {}

bool HeadlessBackend::ProcessMessage() {
  RunSentMessages();
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
