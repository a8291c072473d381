#include "toolkit/controls/application.h"

#include "toolkit/controls/drag_tracker.h"
#include "toolkit/controls/form.h"
#include "toolkit/controls/screen.h"
#include "toolkit/controls/thread.h"

namespace toolkit {

namespace {

HintWindow* MakeHintWindow(Component* owner) { return new HintWindow(owner); }

// The control whose hint shows: the control itself, or the nearest parent
// with a hint, as long as hints are switched on along the way.
Control* HintTarget(Control* control) {
  for (Control* c = control; c; c = c->Parent()) {
    if (!c->ShowHint()) return nullptr;
    if (!c->Hint().empty()) return c;
  }
  return nullptr;
}

// The hint a control stands under: its own, or its nearest parent's.
const String* HintTextOf(Control* control) {
  for (Control* c = control; c; c = c->Parent())
    if (!c->Hint().empty()) return &c->Hint();
  return nullptr;
}

}  // namespace

String GetShortHint(StringView hint) {
  const std::size_t bar = hint.find(u'|');
  return String(bar == StringView::npos ? hint : hint.substr(0, bar));
}

String GetLongHint(StringView hint) {
  const std::size_t bar = hint.find(u'|');
  return String(bar == StringView::npos ? hint : hint.substr(bar + 1));
}

Application::Application() : Component(nullptr), hintWindowClass_(&MakeHintWindow) {
  showTimer_ = new Timer(this);
  showTimer_->SetEnabled(false);
  showTimer_->SetOnTimer(NotifyEvent(this, &Application::ShowTimerFired));
  hideTimer_ = new Timer(this);
  hideTimer_->SetEnabled(false);
  hideTimer_->SetOnTimer(NotifyEvent(this, &Application::HideTimerFired));
  SetControlWatcher(this);
}

void Application::ControlMouseMove(Control* control, Point client) {
  MouseOver(control);
  HintMouseMessage(control, client);
}

Application::~Application() { SetControlWatcher(nullptr); }

Application& TheApplication() {
  // Never freed: controls may outlive any order of static destruction.
  static Application* application = new Application();
  return *application;
}

void Application::ProcessMessages() {
  Backend& backend = CurrentBackend();
  CheckSynchronize();
  while (backend.ProcessMessage()) CheckSynchronize();
}

void Application::HandleMessage() {
  Backend& backend = CurrentBackend();
  if (!backend.ProcessMessage()) {
    CheckSynchronize();
    backend.WaitMessage();
  }
  CheckSynchronize();
}

void Application::Run() {
  terminated_ = false;
  while (!terminated_) HandleMessage();
}

void Application::SetMainForm(Form* form) {
  mainForm_ = form;
  if (form) form->FreeNotification(this);
}

void Application::SetShowHint(bool show) {
  if (show == showHint_) return;
  showHint_ = show;
  if (!show) {
    CancelHint();
    delete hintWindow_;
    hintWindow_ = nullptr;
  }
}

void Application::SetHintWindowClass(HintWindowClass factory) {
  hintWindowClass_ = factory ? factory : &MakeHintWindow;
}

void Application::StartShowTimer(unsigned pause) {
  showTimer_->SetEnabled(false);
  showTimer_->SetInterval(pause == 0 ? 1 : pause);
  showTimer_->SetEnabled(true);
}

void Application::StopTimers() {
  showTimer_->SetEnabled(false);
  hideTimer_->SetEnabled(false);
}

void Application::SetHint(const String& hint) {
  if (hint == hint_) return;
  hint_ = hint;
  OnHint(this);
}

void Application::HintMouseMessage(Control* control, Point clientPos) {
  const String* text = HintTextOf(control);
  SetHint(text ? GetLongHint(*text) : String());
  if (!showHint_) return;
  Control* target = HintTarget(control);
  const Point screen = control->ClientToScreen(clientPos);
  if (target != hintControl_) {
    const bool wasShowing = HintShowing();
    HideHint();
    StopTimers();
    hintControl_ = target;
    if (!target) return;
    // The control may ask for a pause of its own.
    int pause = static_cast<int>(wasShowing ? HintShortPause : HintPause);
    target->Perform(cm::HintShowPause, wasShowing ? 1 : 0, reinterpret_cast<std::intptr_t>(&pause));
    StartShowTimer(static_cast<unsigned>(pause < 0 ? 0 : pause));
    return;
  }
  if (HintShowing() && !hintCursorRect_.Contains(screen)) {
    // The hint belongs to a part of the control the mouse has left.
    HideHint();
    StartShowTimer(HintShortPause);
  }
}

void Application::ShowTimerFired(Object*) {
  showTimer_->SetEnabled(false);
  ActivateHint(CurrentBackend().CursorPos());
}

void Application::HideTimerFired(Object*) {
  hideTimer_->SetEnabled(false);
  HideHint();
}

void Application::ActivateHint(Point screenPos) {
  Control* control = hintControl_ ? hintControl_ : HintTarget(FindControlAt(screenPos));
  if (!control || !showHint_) return;
  hintControl_ = control;
  HintInfo info;
  info.hintControl = control;
  info.hintWindowClass = hintWindowClass_;
  info.hintPos = {screenPos.x, screenPos.y + 20};
  info.hintMaxWidth = TheScreen().Width();
  info.hintColor = HintColor;
  info.cursorRect = control->ClientRect();
  info.cursorPos = control->ScreenToClient(screenPos);
  info.hideTimeout = static_cast<int>(HintHidePause);
  info.hintStr = GetShortHint(control->Hint());
  bool canShow = control->Perform(cm::HintShow, 0, reinterpret_cast<std::intptr_t>(&info)) == 0;
  if (canShow) OnShowHint(info.hintStr, canShow, info);
  if (!canShow || info.hintStr.empty()) {
    HideHint();
    return;
  }
  const Point origin = control->ClientToScreen({info.cursorRect.left, info.cursorRect.top});
  hintCursorRect_ = info.cursorRect.Offset(origin.x - info.cursorRect.left, origin.y - info.cursorRect.top);
  HintWindowClass factory = info.hintWindowClass ? info.hintWindowClass : hintWindowClass_;
  if (hintWindow_ && factory != hintWindowFactoryUsed_) {
    delete hintWindow_;
    hintWindow_ = nullptr;
  }
  if (!hintWindow_) {
    hintWindow_ = factory(this);
    hintWindowFactoryUsed_ = factory;
  }
  hintWindow_->SetColor(info.hintColor);
  Rect rect = hintWindow_->CalcHintRect(info.hintMaxWidth, info.hintStr, info.hintData);
  rect = rect.Offset(info.hintPos.x, info.hintPos.y);
  hintWindow_->ActivateHintData(rect, info.hintStr, info.hintData);
  hideTimer_->SetEnabled(false);
  if (info.hideTimeout > 0) {
    hideTimer_->SetInterval(static_cast<unsigned>(info.hideTimeout));
    hideTimer_->SetEnabled(true);
  }
  if (info.reshowTimeout > 0) StartShowTimer(static_cast<unsigned>(info.reshowTimeout));
}

void Application::HideHint() {
  if (hintWindow_ && hintWindow_->Active()) hintWindow_->ReleaseHandle();
}

void Application::CancelHint() {
  StopTimers();
  HideHint();
  hintControl_ = nullptr;
}

void Application::MouseOver(Control* control) {
  if (control == mouseControl_) return;
  Control* old = mouseControl_;
  mouseControl_ = control;
  if (old) old->Perform(cm::MouseLeave, 0, reinterpret_cast<std::intptr_t>(control));
  if (control && mouseControl_ == control) control->Perform(cm::MouseEnter, 0, reinterpret_cast<std::intptr_t>(old));
}

void Application::ControlDestroyed(Control* control) {
  if (control == mouseControl_) mouseControl_ = nullptr;
  if (control == hintControl_) CancelHint();
  if (control == hintWindow_) hintWindow_ = nullptr;
  if (control == mainForm_) mainForm_ = nullptr;
}

}  // namespace toolkit
