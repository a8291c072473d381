#include "host/kit/system_control.h"

#include "host/kit/kit_api.h"
#include "host/kit/window_proc.h"

using namespace runtime;

namespace host::kit {

namespace {

bool ReflectedColor(TKitControl& control, TKitMessage& message) {
  if (message.message < WM_CTLCOLORMSGBOX + kReflectOffset || message.message > WM_CTLCOLORSTATIC + kReflectOffset)
    return false;
  HDC dc = reinterpret_cast<HDC>(message.wParam);
  ::SetTextColor(dc, KitColor(control.textColor));
  ::SetBkColor(dc, KitColor(control.background));
  message.result = reinterpret_cast<LRESULT>(control.BackgroundBrush());
  return true;
}

}  // namespace

TKitSystemControl::TKitSystemControl(std::string kind, const wchar_t* baseClass, TextView caption)
    : kind_(std::move(kind)), baseClass_(baseClass) {
  this->caption = Text(caption);
  style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;
  isChild = true;
  AddHandler(&ReflectedColor);
}

void TKitSystemControl::AfterCreate() { api::Send(Window(), WM_SETFONT, WPARAM(Font()), FALSE); }

TKitSystemControl* NewSystemControl(TKitControl& parent, std::string kind, const wchar_t* baseClass,
                                    TextView caption, const RECT& bounds) {
  auto* control = new TKitSystemControl(std::move(kind), baseClass, caption);
  control->bounds = bounds;
  control->SetParent(&parent);
  return control;
}

}  // namespace host::kit
