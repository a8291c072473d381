// What headless windows offer beside their records: the caret, scrolling a
// window's contents, window regions, the filtered look into the queue, and
// the system's sizes and settings (fixed, so layouts are exact).
#include <algorithm>

#include "toolkit/headless/headless_backend.h"

namespace toolkit::headless {

namespace {

// The part of area that moving it by dx, dy leaves uncovered: a vertical
// strip, a horizontal band beside it, or all of it after a long move.
std::vector<Rect> Uncovered(const Rect& area, int dx, int dy) {
  if (area.IsEmpty()) return {};
  if (dx >= area.Width() || -dx >= area.Width() || dy >= area.Height() || -dy >= area.Height()) return {area};
  std::vector<Rect> parts;
  Rect band = area;
  if (dx > 0) {
    parts.push_back({area.left, area.top, area.left + dx, area.bottom});
    band.left += dx;
  } else if (dx < 0) {
    parts.push_back({area.right + dx, area.top, area.right, area.bottom});
    band.right += dx;
  }
  if (dy > 0) parts.push_back({band.left, area.top, band.right, area.top + dy});
  if (dy < 0) parts.push_back({band.left, area.bottom + dy, band.right, area.bottom});
  return parts;
}

}  // namespace

std::vector<Rect> HeadlessBackend::ScrollWindow(WindowHandle window, int dx, int dy, const Rect* scroll,
                                                const Rect* clip, unsigned flags) {
  WindowRecord* record = Window(window);
  if (!record) return {};
  const Rect client{0, 0, record->clientArea.Width(), record->clientArea.Height()};
  Rect area = scroll ? scroll->Intersect(client) : client;
  if (clip) area = area.Intersect(*clip);
  // What was waiting to be painted moves with the pixels.
  const Rect waiting = record->invalid.Intersect(area);
  if (!waiting.IsEmpty()) record->invalid = record->invalid.Union(waiting.Offset(dx, dy).Intersect(area));
  std::vector<Rect> uncovered = Uncovered(area, dx, dy);
  if (flags & sw::Invalidate)
    for (const Rect& part : uncovered) record->invalid = record->invalid.Union(part);
  if (flags & sw::ScrollChildren) {
    std::vector<WindowHandle> children;
    {
      std::lock_guard lock(windowsMutex_);
      for (const auto& [handle, child] : windows_)
        if (child.parent == window && (!scroll || !child.bounds.Intersect(*scroll).IsEmpty()))
          children.push_back(handle);
    }
    for (WindowHandle child : children) SetWindowBounds(child, Window(child)->bounds.Offset(dx, dy));
  }
  return uncovered;
}

bool HeadlessBackend::CreateCaret(WindowHandle window, int width, int height) {
  if (!Window(window)) return false;
  caret_ = {window, {width, height}, {}, 1};
  return true;
}

void HeadlessBackend::DestroyCaret() { caret_ = {}; }

void HeadlessBackend::ShowCaret(WindowHandle window) {
  if (caret_.owner && (!window || window == caret_.owner) && caret_.hideCount > 0) --caret_.hideCount;
}

void HeadlessBackend::HideCaret(WindowHandle window) {
  if (caret_.owner && (!window || window == caret_.owner)) ++caret_.hideCount;
}

void HeadlessBackend::SetCaretPos(Point point) {
  if (caret_.owner) caret_.pos = point;
}

Point HeadlessBackend::CaretPos() { return caret_.pos; }

void HeadlessBackend::SetWindowRegion(WindowHandle window, const Region* region) {
  WindowRecord* record = Window(window);
  if (!record) return;
  record->hasRegion = region != nullptr;
  record->region = region ? *region : Region();
}

bool HeadlessBackend::PeekMessage(WindowHandle window, std::uint32_t first, std::uint32_t last, bool remove,
                                  QueuedMessage& message) {
  RunSentMessages();
  std::lock_guard lock(postedMutex_);
  const bool anyNumber = first == 0 && last == 0;
  for (auto it = posted_.begin(); it != posted_.end(); ++it) {
    if (window && it->window != window) continue;
    if (!anyNumber && (it->msg < first || it->msg > last)) continue;
    message = *it;
    if (remove) posted_.erase(it);
    return true;
  }
  return false;
}

int HeadlessBackend::SystemMetricValue(SystemMetric metric) {
  switch (metric) {
    case SystemMetric::ScrollBarWidth:
    case SystemMetric::ScrollBarHeight:
      return 17;
    case SystemMetric::EdgeWidth:
    case SystemMetric::EdgeHeight:
      return 2;
    case SystemMetric::FrameWidth:
    case SystemMetric::FrameHeight:
      return 4;
    case SystemMetric::MenuCheckWidth:
    case SystemMetric::MenuCheckHeight:
      return 13;
  }
  return 0;
}

bool HeadlessBackend::SystemSettingOn(SystemSetting) { return true; }

}  // namespace toolkit::headless
