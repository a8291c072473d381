// The application object: the message pump, the main form, and the hint
// machinery that shows a control's hint after a pause and hides it again.
#pragma once
#include <memory>

#include "toolkit/controls/hint_window.h"
#include "toolkit/controls/timer.h"

namespace toolkit {

class Form;

// The record a control receives with cm::HintShow; it may change any field.
struct HintInfo {
  Control* hintControl = nullptr;
  HintWindowClass hintWindowClass = nullptr;
  Point hintPos;          // screen
  int hintMaxWidth = 0;
  Color hintColor = clInfoBk;
  Rect cursorRect;        // client coordinates of the hint control
  Point cursorPos;        // client
  int reshowTimeout = 0;  // milliseconds; 0 never re-shows
  int hideTimeout = 0;
  String hintStr;
  void* hintData = nullptr;
};

using ShowHintEvent = Method<void(String& hintStr, bool& canShow, HintInfo& info)>;

// The part of a hint before "|" (the short hint) and after it (the long one).
String GetShortHint(StringView hint);
String GetLongHint(StringView hint);

class Application : public Component, public ControlWatcher {
 public:
  Application();
  ~Application() override;
  String ClassName() const override { return u"Application"; }

  // Runs waiting messages and queued thread calls until none is left.
  void ProcessMessages();
  // Runs one message, waiting for it when none is there.
  void HandleMessage();
  // Pumps until Terminate.
  void Run();
  void Terminate() { terminated_ = true; }
  bool Terminated() const { return terminated_; }

  Form* MainForm() const { return mainForm_; }
  void SetMainForm(Form* form);

  bool ShowHint() const { return showHint_; }
  // Off destroys the hint window; on makes a new one when first needed.
  void SetShowHint(bool show);
  unsigned HintPause = 500;
  unsigned HintShortPause = 50;
  unsigned HintHidePause = 2500;
  Color HintColor = clInfoBk;
  HintWindowClass GetHintWindowClass() const { return hintWindowClass_; }
  void SetHintWindowClass(HintWindowClass factory);
  ShowHintEvent OnShowHint;

  // The long hint of the control under the mouse (its own or its nearest
  // parent's), for a status bar; set on every mouse move over a control,
  // whether hints pop up or not. OnHint hears of every change.
  const String& Hint() const { return hint_; }
  void SetHint(const String& hint);
  NotifyEvent OnHint;

  // Called on every mouse move over a control (client coordinates).
  void HintMouseMessage(Control* control, Point clientPos);
  // Shows the hint of the control under the mouse now.
  void ActivateHint(Point screenPos);
  void CancelHint();
  void HideHint();
  HintWindow* CurrentHintWindow() const { return hintWindow_; }
  Control* HintControl() const { return hintControl_; }
  bool HintShowing() const { return hintWindow_ && hintWindow_->Active(); }

  // Sends cm::MouseLeave to the control the mouse was over and cm::MouseEnter
  // to the new one; only moves between toolkit controls are seen.
  void MouseOver(Control* control);
  Control* MouseControl() const { return mouseControl_; }

  // Hover and hints follow the mouse over controls; controls going away
  // leave the hint machinery.
  void ControlMouseMove(Control* control, Point client) override;
  void ControlDestroyed(Control* control) override;

 private:
  void ShowTimerFired(Object*);
  void HideTimerFired(Object*);
  void StartShowTimer(unsigned pause);
  void StopTimers();

  Form* mainForm_ = nullptr;
  String hint_;
  bool terminated_ = false;
  bool showHint_ = true;
  HintWindowClass hintWindowClass_;
  HintWindow* hintWindow_ = nullptr;
  HintWindowClass hintWindowFactoryUsed_ = nullptr;
  Control* hintControl_ = nullptr;
  Control* mouseControl_ = nullptr;
  Rect hintCursorRect_;  // screen
  Timer* showTimer_;
  Timer* hideTimer_;
};

Application& TheApplication();

}  // namespace toolkit
