#include "toolkit/controls/control.h"

#include "toolkit/controls/drag_tracker.h"
#include "toolkit/controls/popup_menu.h"
#include "toolkit/controls/win_control.h"
#include "toolkit/core/exceptions.h"
#include "toolkit/graphics/backend.h"

namespace toolkit {

namespace {
ControlWatcher* watcher = nullptr;
}  // namespace

void SetControlWatcher(ControlWatcher* newWatcher) { watcher = newWatcher; }

ShiftState ShiftStateFromKeys(std::uintptr_t keys) {
  ShiftState shift = 0;
  if (keys & mkShift) shift |= ssShift;
  if (keys & mkControl) shift |= ssCtrl;
  if (keys & mkLButton) shift |= ssLeft;
  if (keys & mkRButton) shift |= ssRight;
  if (keys & mkMButton) shift |= ssMiddle;
  if (CurrentBackend().KeyboardShiftState() & ssAlt) shift |= ssAlt;
  return shift;
}

Control::Control(Component* owner) : Component(owner) {
  font_.OnChange = NotifyEvent(this, &Control::FontChangedHandler);
}

Control::~Control() {
  DragTracker::Forget(this);
  if (watcher) watcher->ControlDestroyed(this);
  if (parent_) parent_->RemoveControl(this);
}

void Control::SetParent(WinControl* parent) {
  if (parent == parent_) return;
  if (parent == this) throw InvalidOperation(u"A control cannot be its own parent");
  if (parent_) parent_->RemoveControl(this);
  if (parent) parent->InsertControl(this);
}

void Control::SetBounds(int left, int top, int width, int height) {
  const Rect bounds = MakeBounds(left, top, width < 0 ? 0 : width, height < 0 ? 0 : height);
  if (bounds == bounds_) return;
  Invalidate();
  const bool resized = bounds.Width() != bounds_.Width() || bounds.Height() != bounds_.Height();
  bounds_ = bounds;
  Invalidate();
  if (resized) Resize();
}

Point Control::ClientOrigin() const {
  if (!parent_) return {bounds_.left, bounds_.top};
  const Point origin = parent_->ClientOrigin();
  return {origin.x + bounds_.left, origin.y + bounds_.top};
}

Point Control::ClientToScreen(Point point) const {
  const Point origin = ClientOrigin();
  return {point.x + origin.x, point.y + origin.y};
}

Point Control::ScreenToClient(Point point) const {
  const Point origin = ClientOrigin();
  return {point.x - origin.x, point.y - origin.y};
}

void Control::SetVisible(bool visible) {
  if (visible == visible_) return;
  Invalidate();
  visible_ = visible;
  Invalidate();
}

bool Control::Showing() const {
  for (const Control* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void Control::SetEnabled(bool enabled) {
  if (enabled == enabled_) return;
  enabled_ = enabled;
  Perform(cm::EnabledChanged);
}

void Control::SetCaption(const String& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  Perform(cm::TextChanged);
}

void Control::SetColor(Color color) {
  if (color == color_) return;
  color_ = color;
  parentColor_ = false;
  Perform(cm::ColorChanged);
}

void Control::SetCursor(int cursor) {
  if (cursor == cursor_) return;
  cursor_ = cursor;
  Perform(cm::CursorChanged);
}

bool Control::ShowHint() const {
  if (parentShowHint_ && parent_) return static_cast<const Control*>(parent_)->ShowHint();
  return showHint_;
}

void Control::SetShowHint(bool show) {
  showHint_ = show;
  parentShowHint_ = false;
  Perform(cm::ShowHintChanged);
}

std::intptr_t Control::Perform(std::uint32_t msg, std::uintptr_t wParam, std::intptr_t lParam) {
  Message message{msg, wParam, lParam, 0};
  WindowProc(message);
  return message.result;
}

void Control::WindowProc(Message& message) {
  if (message.msg >= msg::MouseMove && message.msg <= msg::MButtonDblClk) {
    const Point client{PointX(message.lParam), PointY(message.lParam)};
    if (message.msg == msg::MouseMove) {
      if (watcher) watcher->ControlMouseMove(this, client);
    }
    if (DragTracker::Source() == this) {
      if (message.msg == msg::MouseMove) {
        DragTracker::Move(ClientToScreen(client));
        return;
      }
      if (message.msg == msg::LButtonUp) {
        const bool wasDragging = DragTracker::Active();
        DragTracker::Finish(true);
        if (wasDragging) {
          ControlState &= ~(csLButtonDown | csClicked);
          return;
        }
      }
    }
  }
  Dispatch(message);
}

void Control::HandleMouseButton(Message& message, MouseButton button, bool down) {
  const int x = PointX(message.lParam);
  const int y = PointY(message.lParam);
  ShiftState shift = ShiftStateFromKeys(message.wParam);
  const bool doubleClick = message.msg == msg::LButtonDblClk || message.msg == msg::RButtonDblClk ||
                           message.msg == msg::MButtonDblClk;
  if (doubleClick) shift |= ssDouble;
  if (down) {
    if ((ControlStyle & csCaptureMouse) && button == MouseButton::Left) SetMouseCapture(true);
    if (button == MouseButton::Left) {
      if (doubleClick && (ControlStyle & csDoubleClicks)) DblClick();
      ControlState |= csLButtonDown | csClicked;
      if (dragMode_ == DragMode::Automatic && !doubleClick) BeginDrag(false);
    }
    MouseDown(button, shift, x, y);
    return;
  }
  if (button == MouseButton::Left) {
    const bool clicked = (ControlState & csClicked) && ClientRect().Contains({x, y});
    ControlState &= ~(csLButtonDown | csClicked);
    if (MouseCapture()) SetMouseCapture(false);
    if (clicked && (ControlStyle & csClickEvents)) Click();
  }
  MouseUp(button, shift, x, y);
}

void Control::Dispatch(Message& message) {
  switch (message.msg) {
    case msg::LButtonDown:
    case msg::LButtonDblClk:
      HandleMouseButton(message, MouseButton::Left, true);
      return;
    case msg::RButtonDown:
    case msg::RButtonDblClk:
      HandleMouseButton(message, MouseButton::Right, true);
      return;
    case msg::MButtonDown:
    case msg::MButtonDblClk:
      HandleMouseButton(message, MouseButton::Middle, true);
      return;
    case msg::LButtonUp:
      HandleMouseButton(message, MouseButton::Left, false);
      return;
    case msg::RButtonUp:
      HandleMouseButton(message, MouseButton::Right, false);
      return;
    case msg::MButtonUp:
      HandleMouseButton(message, MouseButton::Middle, false);
      return;
    case msg::MouseMove:
      MouseMove(ShiftStateFromKeys(message.wParam), PointX(message.lParam), PointY(message.lParam));
      return;
    case msg::MouseWheel:
      HandleMouseWheel(message);
      return;
    case cm::MouseWheel:
      if (DoMouseWheel(ShiftStateFromKeys(message.wParam & 0xFFFF), WheelDeltaOf(message.wParam),
                       {PointX(message.lParam), PointY(message.lParam)}))
        message.result = 1;
      else if (parent_)
        message.result = parent_->Perform(cm::MouseWheel, message.wParam, message.lParam);
      return;
    case msg::ContextMenu:
      HandleContextMenu(message);
      return;
    case cm::FontChanged:
      FontChanged();
      return;
    case cm::ParentFontChanged:
      TakeParentFont();
      return;
    case cm::ParentColorChanged:
      TakeParentColor();
      return;
    case cm::ParentBiDiModeChanged:
      TakeParentBiDiMode();
      return;
    case cm::ColorChanged:
    case cm::EnabledChanged:
    case cm::TextChanged:
    case cm::BiDiModeChanged:
      Invalidate();
      return;
    case cm::MouseEnter:
      OnMouseEnter(this);
      return;
    case cm::MouseLeave:
      OnMouseLeave(this);
      return;
    case cm::HintShow:
    case cm::CursorChanged:
    case cm::ShowHintChanged:
      return;
    default:
      DefaultHandler(message);
  }
}

void Control::DefaultHandler(Message&) {}

// The wheel goes to the focused control first, whichever window the platform
// sent it to; each control that leaves it unhandled passes it to its parent.
void Control::HandleMouseWheel(Message& message) {
  Control* target = WinControl::FromHandle(CurrentBackend().Focus());
  if (!target) target = this;
  message.result = target->Perform(cm::MouseWheel, message.wParam, message.lParam);
}

bool Control::DoMouseWheel(ShiftState shift, int wheelDelta, Point mousePos) {
  bool handled = false;
  OnMouseWheel(this, shift, wheelDelta, mousePos, handled);
  return handled;
}

void Control::HandleContextMenu(Message& message) {
  Point screen{PointX(message.lParam), PointY(message.lParam)};
  const bool fromKeyboard = screen.x == -1 && screen.y == -1;
  bool handled = false;
  DoContextPopup(fromKeyboard ? screen : ScreenToClient(screen), handled);
  if (handled) {
    message.result = 1;
    return;
  }
  PopupMenu* menu = GetPopupMenu();
  if (!menu || !menu->AutoPopup) {
    DefaultHandler(message);
    return;
  }
  menu->SetPopupComponent(this);
  if (fromKeyboard) screen = ClientToScreen({0, 0});
  menu->Popup(screen.x, screen.y);
  message.result = 1;
}

void Control::DoContextPopup(Point mousePos, bool& handled) { OnContextPopup(this, mousePos, handled); }

void Control::MouseDown(MouseButton button, ShiftState shift, int x, int y) { OnMouseDown(this, button, shift, x, y); }

void Control::MouseUp(MouseButton button, ShiftState shift, int x, int y) { OnMouseUp(this, button, shift, x, y); }

void Control::MouseMove(ShiftState shift, int x, int y) { OnMouseMove(this, shift, x, y); }

void Control::Click() { OnClick(this); }

void Control::DblClick() { OnDblClick(this); }

void Control::Resize() { OnResize(this); }

void Control::FontChanged() { Invalidate(); }

WinControl* Control::HostWindow() const { return parent_; }

void Control::Invalidate() {
  WinControl* host = HostWindow();
  if (!host || !visible_ || bounds_.IsEmpty() || !host->HandleAllocated()) return;
  const Rect rect = bounds_;
  CurrentBackend().Invalidate(host->Handle(), &rect, !(ControlStyle & csOpaque));
}

void Control::Repaint() {
  Invalidate();
  Update();
}

void Control::Update() {
  if (WinControl* host = HostWindow()) host->Update();
}

bool Control::MouseCapture() const {
  WinControl* window = HostWindow();
  return window && window->HandleAllocated() && CurrentBackend().Capture() == window->Handle();
}

void Control::SetMouseCapture(bool capture) {
  WinControl* window = HostWindow();
  if (!window || !window->HandleAllocated()) return;
  if (capture) {
    CurrentBackend().SetCapture(window->Handle());
  } else if (CurrentBackend().Capture() == window->Handle()) {
    CurrentBackend().ReleaseCapture();
  }
}

void Control::BeginDrag(bool immediate, int threshold) {
  const Point screen = CurrentBackend().CursorPos();
  DragTracker::Begin(this, immediate, threshold < 0 ? CurrentBackend().DragThreshold() : threshold, screen);
}

void Control::EndDrag(bool drop) {
  if (DragTracker::Source() == this) DragTracker::Finish(drop);
}

bool Control::Dragging() const { return DragTracker::Source() == this && DragTracker::Active(); }

void Control::DragOver(Control* source, int x, int y, DragState state, bool& accept) {
  accept = static_cast<bool>(OnDragOver);
  OnDragOver(this, source, x, y, state, accept);
}

void Control::DragDrop(Control* source, int x, int y) { OnDragDrop(this, source, x, y); }

void Control::DoStartDrag() { OnStartDrag(this); }

void Control::DoEndDrag(Control* target, int x, int y) { OnEndDrag(this, target, x, y); }

}  // namespace toolkit
