#include "host/kit/form.h"

#include "host/error_relay.h"
#include "host/kit/kit_state.h"
#include "host/kit/window_class.h"

using namespace runtime;

namespace host::kit {

namespace {

bool FormSetFocus(TKitControl& form, TKitMessage& message) {
  if (message.message != WM_SETFOCUS) return false;
  TKitControl* main = MainForm();
  if (main && main != &form) main->activeForm = &form;
  TKitControl* focused = form.focusedChild;
  if (!focused || !CreateControlWindow(*focused)) return false;
  ::SetFocus(focused->Window());
  message.result = 0;
  return true;
}

bool FormEraseBackground(TKitControl& form, TKitMessage& message) {
  if (message.message != WM_ERASEBKGND) return false;
  message.result = 1;
  if (form.PaintsItself()) return true;
  HDC dc = reinterpret_cast<HDC>(message.wParam);
  RECT client{};
  ::GetClientRect(message.window, &client);
  ::SetBkMode(dc, OPAQUE);
  ::SetBkColor(dc, KitColor(form.background));
  ::SetBrushOrgEx(dc, 0, 0, nullptr);
  ::FillRect(dc, &client, form.BackgroundBrush());
  return true;
}

bool CloseHandler(TKitControl& control, TKitMessage& message) {
  if (message.message != WM_CLOSE || message.window != control.Window()) return false;
  bool accept = true;
  if (const TKitCloseEvent code = control.CloseEvent()) {
    void* data = control.CloseEventData();
    // A script error leaves accept as the event left it; the error ends the loop.
    ErrorRelay::Guard(0, [&] {
      code(data, control, accept);
      return 0;
    });
  }
  if (accept || RunningCount() == 0) {
    control.SetCloseEvent(nullptr, nullptr);
    return false;
  }
  message.result = 0;
  return true;
}

void DestroyAttachedForm(void* object) {
  auto* form = static_cast<TKitControl*>(object);
  DestroyControl(*form);
  form->Release();
}

}  // namespace

TKitForm::TKitForm(TextView caption) {
  isForm_ = true;
  classStyle |= CS_DBLCLKS;
  this->caption = Text(caption);
  AddHandler(&FormSetFocus);
  AddHandler(&FormEraseBackground);
}

TKitForm* NewForm(TKitControl* parent, TextView caption) {
  auto* form = new TKitForm(caption);
  if (parent) form->SetParent(parent);
  return form;
}

void SetOnClose(TKitControl& control, TKitCloseEvent code, void* data) {
  control.SetCloseEvent(code, data);
  if (!control.HasHandler(&CloseHandler)) control.AddHandler(&CloseHandler);
}

void SetOnMessage(TKitControl& control, TKitMessageEvent code, void* data) { control.SetMessageEvent(code, data); }

void AttachToMainForm(TKitControl& form) {
  TKitControl* main = MainForm();
  if (!main || main == &form) return;
  form.AddRef();
  main->AddReleaseOnDestroy(&DestroyAttachedForm, &form);
}

}  // namespace host::kit
