// The keys of Windows dialogs in kit forms: Tab and Shift+Tab move the focus
// between a form's controls, Enter presses the focused push button or else
// the form's default button, Esc presses its cancel button. A control keeps
// a key it asks for through WM_GETDLGCODE (a multi-line edit its Enter).
// The message loop offers every queued key to these before translation, as
// a dialog's loop offers them to IsDialogMessage.
#pragma once
#include <windows.h>

#include "host/kit/kit_control.h"

namespace host::kit {

// True when the message was a dialog key of a kit form and has been handled.
bool HandleDialogKey(const MSG& message);

// The form a control belongs to: itself when it is a form, else the nearest
// form above it; null for a control outside any form.
TKitControl* FormOf(TKitControl& control);

// The form's first control that Tab stops at, in the order the controls
// were added (a control inside a child that is no form counts in its
// place); null when there is none.
TKitControl* FirstTabStop(TKitControl& form);

// The next (or, backwards, previous) tab stop after the given one, wrapping
// around; the first (or last) one when from is not a tab stop of the form.
TKitControl* NextTabStop(TKitControl& form, TKitControl* from, bool backwards);

// Gives the control the focus and makes it the one its form gives the focus
// to when the form gets it back.
void FocusControl(TKitControl& control);

// Passes a form's focus on to the control it last gave it to, else to its
// first tab stop; false when there is neither.
bool FocusFormControl(TKitControl& form);

}  // namespace host::kit
