#include "host/ui/form_browser.h"

#include "runtime/error.h"

namespace host::ui {

kit::TKitControl* AttachBrowser(kit::TKitForm&) { return nullptr; }

void BrowserAutomation(kit::TKitControl*, Value&) { RaiseError(QT("html: this form has no web browser")); }

}  // namespace host::ui
