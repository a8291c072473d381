// The headless backend's drag and drop and clipboard object: drags follow a
// path the test planned, calling the registered drop targets on the way.
#include "toolkit/headless/headless_backend.h"

namespace toolkit::headless {

bool HeadlessBackend::RegisterDropTarget(WindowHandle window, DropTarget& target) {
  // The platform refuses a second registration of one window.
  if (!Window(window) || dropTargets_.count(window)) return false;
  dropTargets_[window] = &target;
  return true;
}

void HeadlessBackend::RevokeDropTarget(WindowHandle window) { dropTargets_.erase(window); }

DropTarget* HeadlessBackend::RegisteredDropTarget(WindowHandle window) {
  const auto it = dropTargets_.find(window);
  return it == dropTargets_.end() ? nullptr : it->second;
}

WindowHandle HeadlessBackend::DropWindowAt(Point screen) {
  for (WindowHandle window = WindowFromPoint(screen); window; window = Window(window)->parent)
    if (dropTargets_.count(window)) return window;
  return 0;
}

void HeadlessBackend::PlanDrag(std::vector<DragStep> steps) { plannedDrag_ = std::move(steps); }

DropEffects HeadlessBackend::DoDragDrop(DataObject& data, DropSource& source, DropEffects allowed) {
  std::vector<DragStep> steps = std::move(plannedDrag_);
  plannedDrag_.clear();
  return RunDrag(data, source, allowed, std::move(steps));
}

DropEffects HeadlessBackend::DragFromOutside(DataObject& data, std::vector<DragStep> steps, DropEffects allowed) {
  DropSource standard;
  return RunDrag(data, standard, allowed, std::move(steps));
}

DropEffects HeadlessBackend::RunDrag(DataObject& data, DropSource& source, DropEffects allowed,
                                     std::vector<DragStep> steps) {
  WindowHandle over = 0;
  DropEffects effect = de::None;
  // A target may revoke itself (or its window may go) while it is called.
  auto target = [this, &over] { return over ? RegisteredDropTarget(over) : nullptr; };
  for (const DragStep& step : steps) {
    // As the platform does, the source decides first; only a drag that goes
    // on moves over the step's point.
    const DragAction action = source.QueryContinueDrag(step.escape, step.keys);
    if (action != DragAction::Continue) {
      DropTarget* last = target();
      cursorShape_ = cr::Default;
      if (action == DragAction::Cancel || !last || (effect & ~de::Scroll) == de::None) {
        if (last) last->DragLeave();
        return de::None;
      }
      effect = allowed;
      last->Drop(data, step.keys, step.screen, effect);
      return effect & allowed;
    }
    cursor_ = step.screen;
    const WindowHandle now = DropWindowAt(step.screen);
    effect = allowed;
    if (now != over) {
      if (DropTarget* old = target()) old->DragLeave();
      over = now;
      if (DropTarget* entered = target()) entered->DragEnter(data, step.keys, step.screen, effect);
    } else if (DropTarget* current = target()) {
      current->DragOver(step.keys, step.screen, effect);
    }
    if (!target()) effect = de::None;
    if (source.GiveFeedback(effect)) cursorShape_ = (effect & ~de::Scroll) != de::None ? cr::Drag : cr::NoDrop;
  }
  if (DropTarget* last = target()) last->DragLeave();
  cursorShape_ = cr::Default;
  return de::None;
}

bool HeadlessBackend::SetClipboardObject(std::shared_ptr<DataObject> data) {
  return clipboard_->SetObject(std::move(data));
}

std::shared_ptr<DataObject> HeadlessBackend::ClipboardObject() { return clipboard_->Object(); }

void HeadlessBackend::FlushClipboard() { clipboard_->Flush(); }

}  // namespace toolkit::headless
