// Forms: top-level kit windows (class "obj_Form") that keep their focused
// child and paint their background, with the OnClose and OnMessage events a
// script's form object sets.
#pragma once
#include "host/kit/kit_control.h"

namespace host::kit {

using namespace runtime;

class TKitForm : public TKitControl {
public:
  explicit TKitForm(TextView caption);
  std::string KindName() const override { return "Form"; }
};

// A new form (window not made yet), counted once for the caller.
TKitForm* NewForm(TKitControl* parent, TextView caption);

// Stores the event; OnClose also installs the close handler, which asks it
// on WM_CLOSE. A refusal counts only once a loop or show has started.
void SetOnClose(TKitControl& control, TKitCloseEvent code, void* data);
void SetOnMessage(TKitControl& control, TKitMessageEvent code, void* data);

// A later form lives no longer than the main form: it is destroyed with it.
void AttachToMainForm(TKitControl& form);

}  // namespace host::kit
