// The web browser that fills every form, and its automation object for
// "html". Kept apart so that the form object knows the browser only here.
#pragma once
#include "host/kit/form.h"
#include "runtime/base/ref.h"
#include "runtime/value/value.h"

namespace host::ui {

using namespace runtime;

// A new browser control filling the form, its window made when the form
// has one. Raises when the browser cannot be made.
Ref<kit::TKitControl> AttachBrowser(kit::TKitForm& form);

// The browser's automation object (an IDispatch) into result; raises when
// there is none.
void BrowserAutomation(kit::TKitControl* browser, Value& result);

}  // namespace host::ui
