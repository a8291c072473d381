// A top-level window with a caption that hosts controls.
#pragma once
#include "toolkit/controls/custom_control.h"

namespace toolkit {

enum class CloseAction { None, Hide, Free };
using CloseEvent = Method<void(Object* sender, CloseAction& action)>;

class Form : public CustomControl {
 public:
  explicit Form(Component* owner);
  String ClassName() const override { return u"Form"; }

  void Show();
  void Hide() { SetVisible(false); }
  // Asks OnClose; hides the form, or ends the application for the main form.
  void Close();

  CloseEvent OnClose;

 protected:
  void CreateParams(toolkit::CreateParams& params) override;
  void Dispatch(Message& message) override;
  void Paint() override;
};

}  // namespace toolkit
