// The form object: one per "ui.form", and at the same time the library of
// the form methods "show", "hwnd" and "html". The chain holds the
// process-wide one (whose form is the main form); it serves the methods of
// every form object, since it accepts any of them as the receiver.
#pragma once
#include <utility>

#include "host/kit/form.h"
#include "runtime/base/ref.h"
#include "runtime/lib/library_chain.h"

namespace host::ui {

using namespace runtime;

class CFormLibrary : public CLibrary {
public:
  CFormLibrary();

  // A receiver whose value refers to a form object.
  bool Accepts(CNode* receiver) override;

  // Null until a form is set; the object holds a reference to it.
  kit::TKitForm* Form() const { return form_; }
  void SetForm(kit::TKitForm* form) { form_ = Retain(form); }
  kit::TKitControl* Browser() const { return browser_; }
  void SetBrowser(Ref<kit::TKitControl> browser) { browser_ = std::move(browser); }

  // Code addresses of native callbacks; 0 for none. Setting one hands it to
  // the form's OnClose or OnMessage event.
  uintptr_t OnCloseCode() const { return onClose_; }
  void SetOnCloseCode(uintptr_t code);
  uintptr_t OnMessageCode() const { return onMessage_; }
  void SetOnMessageCode(uintptr_t code);

private:
  uintptr_t onClose_ = 0;
  Ref<kit::TKitForm> form_;
  Ref<kit::TKitControl> browser_;
  uintptr_t onMessage_ = 0;
};

// The form object a value refers to, or null.
CFormLibrary* FormObjectOf(const Value& value);

// The kit events a form object sets. The user data is the callback's code
// address itself, so that an event never reaches a form object that is gone.
// OnClose: called with nothing; the low byte of its result is the accept flag.
void FormOnClose(void* code, kit::TKitControl& form, bool& accept);
// OnMessage: called with window, message, wParam and lParam; a result whose
// low byte is not 0 claims the message and is its result.
bool FormOnMessage(void* code, kit::TKitControl& form, kit::TKitMessage& message);

}  // namespace host::ui
