#include "toolkit/controls/form.h"

#include "toolkit/controls/application.h"

namespace toolkit {

Form::Form(Component* owner) : CustomControl(owner) {
  SetVisible(false);
  SetBounds(100, 100, 320, 240);
}

void Form::CreateParams(toolkit::CreateParams& params) {
  CustomControl::CreateParams(params);
  params.style &= ~ws::Child;
  params.style |= ws::OverlappedWindow;
}

void Form::Show() {
  if (!TheApplication().MainForm()) TheApplication().SetMainForm(this);
  SetVisible(true);
}

void Form::Close() {
  CloseAction action = TheApplication().MainForm() == this ? CloseAction::Free : CloseAction::Hide;
  OnClose(this, action);
  if (action == CloseAction::None) return;
  Hide();
  if (TheApplication().MainForm() == this) TheApplication().Terminate();
}

void Form::Dispatch(Message& message) {
  if (message.msg == msg::Close) {
    Close();
    return;
  }
  CustomControl::Dispatch(message);
}

void Form::Paint() { GetCanvas().FillRect(ClientRect()); }

}  // namespace toolkit
