#include "toolkit/controls/drag_tracker.h"

#include <cstdlib>

#include "toolkit/controls/win_control.h"
#include "toolkit/graphics/backend.h"

namespace toolkit {

namespace {

struct DragSession {
  Control* source = nullptr;
  Control* target = nullptr;
  bool active = false;
  bool accepted = false;
  int threshold = 0;
  Point start;
  Point last;
};

DragSession& State() {
  static DragSession state;
  return state;
}

void Start() {
  DragSession& s = State();
  s.active = true;
  s.source->DoStartDrag();
}

void Offer(Control* target, Point screen, DragState kind) {
  DragSession& s = State();
  const Point client = target->ScreenToClient(screen);
  bool accept = false;
  target->DragOver(s.source, client.x, client.y, kind, accept);
  if (kind != DragState::Leave) s.accepted = accept;
}

}  // namespace

Control* FindControlAt(Point screen) {
  WinControl* window = WinControl::FromHandle(CurrentBackend().WindowFromPoint(screen));
  if (!window) return nullptr;
  Control* found = window;
  bool deeper = true;
  while (deeper) {
    deeper = false;
    auto* container = dynamic_cast<WinControl*>(found);
    if (!container) break;
    const Point client = container->ScreenToClient(screen);
    for (int i = container->ControlCount() - 1; i >= 0; --i) {
      Control* child = container->Controls(i);
      if (child->Visible() && child->BoundsRect().Contains(client)) {
        found = child;
        deeper = true;
        break;
      }
    }
  }
  return found;
}

void DragTracker::Begin(Control* source, bool immediate, int threshold, Point screenStart) {
  DragSession& s = State();
  if (s.source) Finish(false);
  s = DragSession{source, nullptr, false, false, threshold, screenStart, screenStart};
  source->SetMouseCapture(true);
  if (immediate) Start();
}

void DragTracker::Move(Point screen) {
  DragSession& s = State();
  if (!s.source) return;
  s.last = screen;
  if (!s.active) {
    if (std::abs(screen.x - s.start.x) < s.threshold && std::abs(screen.y - s.start.y) < s.threshold) return;
    Start();
    if (!s.source) return;
  }
  Control* target = FindControlAt(screen);
  if (target != s.target) {
    if (s.target) Offer(s.target, screen, DragState::Leave);
    s.target = target;
    s.accepted = false;
    if (target) Offer(target, screen, DragState::Enter);
  } else if (target) {
    Offer(target, screen, DragState::Move);
  }
  CurrentBackend().SetCursorShape(s.accepted ? cr::Drag : cr::NoDrop);
}

void DragTracker::Finish(bool drop) {
  DragSession s = State();
  State() = DragSession{};
  if (!s.source) return;
  s.source->SetMouseCapture(false);
  if (!s.active) return;
  Control* target = drop && s.accepted ? s.target : nullptr;
  if (s.target && !target) {
    const Point client = s.target->ScreenToClient(s.last);
    bool ignored = false;
    s.target->DragOver(s.source, client.x, client.y, DragState::Leave, ignored);
  }
  const Point client = target ? target->ScreenToClient(s.last) : Point{};
  if (target) target->DragDrop(s.source, client.x, client.y);
  s.source->DoEndDrag(target, client.x, client.y);
  CurrentBackend().SetCursorShape(cr::Default);
}

void DragTracker::Forget(Control* control) {
  DragSession& s = State();
  if (s.source == control) {
    State() = DragSession{};
  } else if (s.target == control) {
    s.target = nullptr;
    s.accepted = false;
  }
}

Control* DragTracker::Source() { return State().source; }

bool DragTracker::Active() { return State().active; }

Control* DragTracker::Target() { return State().target; }

}  // namespace toolkit
