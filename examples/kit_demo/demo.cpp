// A kit form with a caption, a coloured label and a button that closes it.
// The close asks once: the first press is refused, the second accepted.
#include "host/kit/kit.h"

using namespace runtime;

using namespace host::kit;

namespace {

constexpr UINT_PTR kCloseButton = 101;

void AskOnce(void* data, TKitControl& form, bool& accept) {
  int& asked = *static_cast<int*>(data);
  if (++asked > 1) return;
  accept = false;
  SetWindowTextW(form.Window(), L"Qel window kit - press Close again");
}

bool CloseOnButton(void*, TKitControl& form, TKitMessage& message) {
  if (message.message != WM_COMMAND || LOWORD(message.wParam) != kCloseButton) return false;
  PostClose(form);
  message.result = 0;
  return true;
}

}  // namespace

int main() {
  TKitForm* form = NewForm(nullptr, u"Qel window kit");
  form->background = 0x00F5E6D8;
  SetControlSize(*form, 420, 240);
  CenterControl(*form);

  TKitSystemControl* label = NewSystemControl(*form, "Label", L"STATIC",
                                              u"A form of the window kit: class obj_Form, a label over STATIC\n"
                                              u"and a button over BUTTON. Close asks once before it closes.",
                                              {20, 20, 390, 90});
  label->background = 0x00FFFFFF;
  label->textColor = 0x00803000;
  TKitSystemControl* button = NewSystemControl(*form, "Button", L"BUTTON", u"Close", {290, 140, 390, 170});
  button->id = kCloseButton;

  int asked = 0;
  SetOnClose(*form, &AskOnce, &asked);
  SetOnMessage(*form, &CloseOnButton, nullptr);
  RunMessageLoop(*form);
  label->Release();
  button->Release();
  form->Release();
  return 0;
}
