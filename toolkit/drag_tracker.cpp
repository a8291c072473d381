#include "toolkit/drag_tracker.h"

#include <cstdlib>

#include "toolkit/backend.h"
#include "toolkit/win_control.h"

namespace toolkit {

namespace {

struct DragState_ {
  Control* source = nullptr;
  Control* target = nullptr;
  bool active = false;
  bool accepted = false;
  int threshold = 0;
  Point start;
  Point last;
};

DragState_& State() {
  static DragState_ state;
  return state;
}

void Start() {
  DragState_& s = State();
  s.active = true;
  s.source->DoStartDrag();
}

void Offer(Control* target, Point screen, DragState kind) {
  DragState_& s = State();
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
  DragState_& s = State();
  if (s.source) Finish(false);
  s = DragState_{source, nullptr, false, false, threshold, screenStart, screenStart};
  source->SetMouseCapture(true);
  if (immediate) Start();
}

void DragTracker::Move(Point screen) {
  DragState_& s = State();
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
  DragState_ s = State();
  State() = DragState_{};
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
  DragState_& s = State();
  if (s.source == control) {
    State() = DragState_{};
  } else if (s.target == control) {
    s.target = nullptr;
    s.accepted = false;
  }
}

Control* DragTracker::Source() { return State().source; }

bool DragTracker::Active() { return State().active; }

Control* DragTracker::Target() { return State().target; }

}  // namespace toolkit
