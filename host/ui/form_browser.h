// The web browser that fills every form, and its automation object for
// "html". Kept apart so that the form object knows the browser only here.
#pragma once
#include "host/kit/form.h"
#include "runtime/value/value.h"

namespace host::ui {

// A new browser control filling the form, counted once for the caller; null
// when this build has no browser.
kit::TKitControl* AttachBrowser(kit::TKitForm& form);

// The browser's automation object (an IDispatch) into result; raises when
// there is none (no browser, or the form is gone).
void BrowserAutomation(kit::TKitControl* browser, Value& result);

}  // namespace host::ui
