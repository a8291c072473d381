#include "toolkit/controls/win_control.h"

#include <algorithm>
#include <unordered_map>

#include "toolkit/controls/screen.h"
#include "toolkit/core/exceptions.h"

namespace toolkit {

namespace {

std::unordered_map<WindowHandle, WinControl*>& Windows() {
  static std::unordered_map<WindowHandle, WinControl*> windows;
  return windows;
}

constexpr std::intptr_t kHitClient = 1;

}  // namespace

WinControl::WinControl(Component* owner) : Control(owner) {}

WinControl::~WinControl() {
  // Children go with their parent; each one leaves the list as it is freed.
  while (!controls_.empty()) delete controls_.back();
  DestroyHandle();
}

bool WinControl::HandleAllocated() const { return handle_ != 0 && backendGeneration_ == BackendGeneration(); }

WindowHandle WinControl::Handle() {
  if (!HandleAllocated()) {
    handle_ = 0;
    CreateWnd();
    for (Control* child : controls_)
      if (auto* windowed = dynamic_cast<WinControl*>(child); windowed && windowed->Visible()) windowed->HandleNeeded();
  }
  return handle_;
}

WinControl* WinControl::FromHandle(WindowHandle handle) {
  const auto it = Windows().find(handle);
  return it != Windows().end() && it->second->HandleAllocated() ? it->second : nullptr;
}

void WinControl::SetParentWindow(WindowHandle window) {
  if (window == parentWindow_) return;
  parentWindow_ = window;
  if (HandleAllocated()) RecreateWnd();
}

WindowHandle WinControl::ParentHandle() {
  if (Parent()) return Parent()->Handle();
  return parentWindow_;
}

void WinControl::CreateParams(toolkit::CreateParams& params) {
  params.caption = Caption();
  params.windowClassName = u"Toolkit";
  params.windowClassName += ClassName();
  params.style = ws::ClipChildren | ws::ClipSiblings;
  if (Parent() || parentWindow_) params.style |= ws::Child;
  if (TabStop) params.style |= ws::TabStop;
  if (Visible()) params.style |= ws::Visible;
  params.bounds = bounds_;
  params.parent = ParentHandle();
}

void WinControl::CreateWnd() {
  if (Parent() && !Parent()->HandleAllocated() && !Parent()->Handle())
    throw InvalidOperation(FormatText(messages::kParentRequired, Name()));
  toolkit::CreateParams params;
  CreateParams(params);
  Backend& backend = CurrentBackend();
  ControlState |= csCreating;
  handle_ = backend.CreateWindow(*this, params);
  ControlState &= ~csCreating;
  if (!handle_) throw OutOfResources(messages::kOutOfResources);
  backendGeneration_ = BackendGeneration();
  Windows()[handle_] = this;
  // Now that the control hears its window, it may reserve a non-client area.
  backend.FrameChanged(handle_);
  if (!Enabled()) backend.EnableWindow(handle_, false);
  if (acceptsFiles_) backend.AcceptFiles(handle_, true);
  CreateHandleDone();
}

void WinControl::DestroyWnd() {
  if (handle_ == 0) return;
  const WindowHandle handle = handle_;
  handle_ = 0;
  Windows().erase(handle);
  if (backendGeneration_ == BackendGeneration()) CurrentBackend().DestroyWindow(handle);
}

void WinControl::DestroyHandle() {
  for (Control* child : controls_)
    if (auto* windowed = dynamic_cast<WinControl*>(child)) windowed->DestroyHandle();
  DestroyWnd();
}

void WinControl::RecreateWnd() {
  if (!HandleAllocated()) return;
  DestroyHandle();
  HandleNeeded();
}

Control* WinControl::Controls(int index) const {
  if (index < 0 || index >= ControlCount()) ThrowListIndexError(index);
  return controls_[static_cast<std::size_t>(index)];
}

void WinControl::InsertControl(Control* control) {
  if (control->parent_ == this) return;
  if (control->parent_) control->parent_->RemoveControl(control);
  controls_.push_back(control);
  control->parent_ = this;
  auto* windowed = dynamic_cast<WinControl*>(control);
  if (windowed) tabList_.push_back(windowed);
  control->Perform(cm::ParentColorChanged);
  control->Perform(cm::ParentFontChanged);
  control->Perform(cm::ParentBiDiModeChanged);
  if (windowed && HandleAllocated() && windowed->Visible()) windowed->HandleNeeded();
  control->Invalidate();
}

void WinControl::RemoveControl(Control* control) {
  const auto it = std::find(controls_.begin(), controls_.end(), control);
  if (it == controls_.end()) return;
  control->Invalidate();
  if (auto* windowed = dynamic_cast<WinControl*>(control)) {
    windowed->DestroyHandle();
    tabList_.erase(std::find(tabList_.begin(), tabList_.end(), windowed));
  }
  controls_.erase(it);
  control->parent_ = nullptr;
}

void WinControl::SetBounds(int left, int top, int width, int height) {
  const Rect old = bounds_;
  bounds_ = MakeBounds(left, top, width < 0 ? 0 : width, height < 0 ? 0 : height);
  if (bounds_ == old) return;
  if (HandleAllocated()) CurrentBackend().SetWindowBounds(handle_, bounds_);
  if (bounds_.Width() != old.Width() || bounds_.Height() != old.Height()) Resize();
}

void WinControl::SetVisible(bool visible) {
  if (visible == Visible()) return;
  Control::SetVisible(visible);
  if (visible && (Parent() ? Parent()->HandleAllocated() : true)) {
    CurrentBackend().ShowWindow(Handle(), true);
  } else if (HandleAllocated()) {
    CurrentBackend().ShowWindow(handle_, visible);
  }
}

Rect WinControl::ClientRect() const {
  if (HandleAllocated()) return CurrentBackend().ClientRect(handle_);
  return Control::ClientRect();
}

Point WinControl::ClientOrigin() const {
  if (HandleAllocated()) return CurrentBackend().ClientToScreen(handle_, {0, 0});
  return Control::ClientOrigin();
}

bool WinControl::CanFocus() const {
  for (const Control* c = this; c; c = c->Parent())
    if (!c->Visible() || !c->Enabled()) return false;
  return true;
}

bool WinControl::Focused() const { return HandleAllocated() && CurrentBackend().Focus() == handle_; }

void WinControl::SetFocus() {
  if (!CanFocus()) throw InvalidOperation(messages::kCannotFocus);
  CurrentBackend().SetFocus(Handle());
}

void WinControl::SetScrollInfo(ScrollBarKind bar, const ScrollInfo& info, bool redraw) {
  CurrentBackend().SetScrollInfo(Handle(), bar, info, redraw);
}

ScrollInfo WinControl::GetScrollInfo(ScrollBarKind bar) { return CurrentBackend().GetScrollInfo(Handle(), bar); }

void WinControl::ShowScrollBar(ScrollBarKind bar, bool show) { CurrentBackend().ShowScrollBar(Handle(), bar, show); }

void WinControl::Invalidate() {
  if (HandleAllocated()) CurrentBackend().Invalidate(handle_, nullptr, !(ControlStyle & csOpaque));
}

void WinControl::Update() {
  if (HandleAllocated()) CurrentBackend().UpdateWindow(handle_);
}

void WinControl::WindowProc(Message& message) {
  const bool mouse = message.msg >= msg::MouseMove && message.msg <= msg::MButtonDblClk;
  if (mouse && CurrentBackend().Capture() != handle_) {
    // Mouse messages over a non-windowed child go to that child.
    const Point client{PointX(message.lParam), PointY(message.lParam)};
    for (int i = ControlCount() - 1; i >= 0; --i) {
      Control* child = controls_[static_cast<std::size_t>(i)];
      if (dynamic_cast<WinControl*>(child) || !child->Visible() || !child->BoundsRect().Contains(client)) continue;
      Message forwarded = message;
      forwarded.lParam = PackPoint(client.x - child->Left(), client.y - child->Top());
      child->WindowProc(forwarded);
      message.result = forwarded.result;
      return;
    }
  }
  Control::WindowProc(message);
}

void WinControl::Dispatch(Message& message) {
  Backend& backend = CurrentBackend();
  switch (message.msg) {
    case msg::Paint:
      PaintHandler(message);
      return;
    case msg::Move:
    case msg::Size: {
      // The window may have been moved or sized by the user or the system.
      const Rect actual = backend.WindowBounds(handle_);
      if (actual != bounds_) {
        const bool resized = actual.Width() != bounds_.Width() || actual.Height() != bounds_.Height();
        bounds_ = actual;
        if (resized) Resize();
      }
      DefaultHandler(message);
      return;
    }
    case msg::SetFocus:
      DoEnter();
      DefaultHandler(message);
      return;
    case msg::KillFocus:
      DoExit();
      DefaultHandler(message);
      return;
    case msg::KeyDown:
    case msg::SysKeyDown: {
      auto key = static_cast<std::uint16_t>(message.wParam);
      KeyDown(key, backend.KeyboardShiftState());
      if (key == 0) return;
      message.wParam = key;
      DefaultHandler(message);
      return;
    }
    case msg::KeyUp:
    case msg::SysKeyUp: {
      auto key = static_cast<std::uint16_t>(message.wParam);
      KeyUp(key, backend.KeyboardShiftState());
      if (key == 0) return;
      message.wParam = key;
      DefaultHandler(message);
      return;
    }
    case msg::Character: {
      auto key = static_cast<Char>(message.wParam);
      KeyPress(key);
      if (key == 0) return;
      message.wParam = key;
      DefaultHandler(message);
      return;
    }
    case msg::SetCursor:
      if ((message.lParam & 0xFFFF) == kHitClient) {
        int cursor = TheScreen().Cursor();
        if (cursor == cr::Default) {
          const Point client = ScreenToClient(backend.CursorPos());
          Control* under = this;
          for (int i = ControlCount() - 1; i >= 0; --i) {
            Control* child = controls_[static_cast<std::size_t>(i)];
            if (!dynamic_cast<WinControl*>(child) && child->Visible() && child->BoundsRect().Contains(client)) {
              under = child;
              break;
            }
          }
          cursor = under->Cursor();
        }
        if (cursor != cr::Default) {
          backend.SetCursorShape(cursor);
          message.result = 1;
          return;
        }
      }
      DefaultHandler(message);
      return;
    case cm::EnabledChanged:
      if (HandleAllocated()) backend.EnableWindow(handle_, Enabled());
      Invalidate();
      return;
    case cm::FontChanged:
      Control::Dispatch(message);
      NotifyControls(cm::ParentFontChanged);
      return;
    case cm::ColorChanged:
      Control::Dispatch(message);
      NotifyControls(cm::ParentColorChanged);
      return;
    case cm::BiDiModeChanged:
      Control::Dispatch(message);
      NotifyControls(cm::ParentBiDiModeChanged);
      return;
    case msg::SysColorChange:
      Perform(cm::SysColorChange);
      DefaultHandler(message);
      return;
    case cm::SysColorChange:
      NotifyControls(cm::SysColorChange);
      return;
    case msg::DropFiles:
      HandleDropFiles(message);
      return;
    case cm::TextChanged:
      if (HandleAllocated()) backend.SetWindowText(handle_, Caption());
      Invalidate();
      return;
    default:
      Control::Dispatch(message);
  }
}

void WinControl::DefaultHandler(Message& message) {
  if (HandleAllocated()) message.result = CurrentBackend().DefaultWindowProc(handle_, message);
}

void WinControl::PaintHandler(Message&) {
  Rect update;
  CurrentBackend().EndPaint(handle_, CurrentBackend().BeginPaint(handle_, update));
}

void WinControl::KeyDown(std::uint16_t& key, ShiftState shift) { OnKeyDown(this, key, shift); }

void WinControl::KeyUp(std::uint16_t& key, ShiftState shift) { OnKeyUp(this, key, shift); }

void WinControl::KeyPress(Char& key) { OnKeyPress(this, key); }

void WinControl::DoEnter() { OnEnter(this); }

void WinControl::DoExit() { OnExit(this); }

void WinControl::NotifyControls(std::uint32_t msg) {
  // A handler may add or remove children: walk a copy.
  const std::vector<Control*> children = controls_;
  for (Control* child : children) child->Perform(msg);
}

void WinControl::SetAcceptsFiles(bool accept) {
  if (accept == acceptsFiles_) return;
  acceptsFiles_ = accept;
  if (HandleAllocated()) CurrentBackend().AcceptFiles(handle_, accept);
}

// The drop is released whatever the handler does, and the message answers 0.
void WinControl::HandleDropFiles(Message& message) {
  Backend& backend = CurrentBackend();
  const std::uintptr_t drop = message.wParam;
  try {
    FilesDropped(backend.ReadDroppedFiles(drop));
  } catch (...) {
    backend.ReleaseDrop(drop);
    throw;
  }
  backend.ReleaseDrop(drop);
  message.result = 0;
}

void WinControl::FilesDropped(const DroppedFiles& files) { OnFilesDropped(this, files); }

}  // namespace toolkit
