// The pop-up window that shows a hint. Subclasses measure and paint their
// own content and may filter which messages hide them.
#pragma once
#include "toolkit/controls/custom_control.h"

namespace toolkit {

class HintWindow : public CustomControl {
 public:
  explicit HintWindow(Component* owner);
  String ClassName() const override { return u"HintWindow"; }

  // Places the window (screen coordinates) and shows the text.
  virtual void ActivateHint(const Rect& rect, const String& text);
  virtual void ActivateHintData(const Rect& rect, const String& text, void* data);
  // The window size the text needs, at most maxWidth wide, at the origin.
  virtual Rect CalcHintRect(int maxWidth, const String& text, void* data);
  // True for messages that hide the hint (keys, clicks, leaving the window).
  virtual bool IsHintMsg(const Message& message) const;
  // Hides the window.
  void ReleaseHandle();
  bool Active() const { return active_; }

 protected:
  void CreateParams(toolkit::CreateParams& params) override;
  // The mouse passes through to whatever lies below.
  void Dispatch(Message& message) override;
  void Paint() override;

 private:
  bool active_ = false;
};

using HintWindowClass = HintWindow* (*)(Component* owner);

}  // namespace toolkit
