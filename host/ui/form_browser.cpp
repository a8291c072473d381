#include "host/ui/form_browser.h"

#include <exception>

#include "host/browser/web_browser.h"
#include "host/kit/appearance.h"
#include "host/kit/window_class.h"
#include "runtime/error.h"

using namespace runtime;

namespace host::ui {

Ref<kit::TKitControl> AttachBrowser(kit::TKitForm& form) {
  Ref<kit::TKitControl> control = Adopt<kit::TKitControl>(browser::CreateBrowserControl(&form));
  kit::SetAlign(*control, kit::kAlignClient);
  // The form's window exists already: the page is there before the form shows.
  if (form.Window()) kit::CreateControlWindow(*control);
  return control;
}

void BrowserAutomation(kit::TKitControl* control, Value& result) {
  auto* browser = dynamic_cast<browser::TKitWebBrowser*>(control);
  IDispatch* application = browser ? browser::BrowserApplication(browser) : nullptr;
  if (!application) RaiseError(QT("html: this form has no web browser"));
  result.AdoptInterface(application, varDispatch);
}

}  // namespace host::ui
