#include "host/kit/dialog_keys.h"

#include <vector>

#include "host/kit/kit_api.h"
#include "host/kit/window_class.h"
#include "runtime/base/ref.h"

using namespace runtime;

namespace host::kit {

namespace {

bool KeyHeld(int key) { return ::GetKeyState(key) < 0; }

UINT DialogCode(HWND window, const MSG* message) {
  return UINT(api::Send(window, WM_GETDLGCODE, message ? message->wParam : 0, reinterpret_cast<LPARAM>(message)));
}

// The control's own style decides, not its form's visibility: a hidden
// form's controls keep their order.
bool IsTabStop(TKitControl& control) {
  HWND window = control.Window();
  if (!window || control.IsDestroyed()) return false;
  const LONG_PTR style = api::GetLong(window, GWL_STYLE);
  if (!(style & WS_TABSTOP) || !(style & WS_VISIBLE) || (style & WS_DISABLED)) return false;
  return !(DialogCode(window, nullptr) & DLGC_STATIC);
}

// A form inside the form keeps its controls to itself.
void CollectTabStops(TKitControl& parent, std::vector<TKitControl*>& stops) {
  for (TKitControl* child : parent.Children()) {
    if (child->IsForm()) continue;
    if (IsTabStop(*child)) stops.push_back(child);
    CollectTabStops(*child, stops);
  }
}

// Sends the button's click to its parent, as a dialog does for Enter and Esc.
bool PressButton(TKitControl* button) {
  if (!button || !button->Window() || !::IsWindowEnabled(button->Window())) return false;
  const auto keep = Retain(button);
  HWND window = button->Window();
  api::Send(::GetParent(window), WM_COMMAND, MAKEWPARAM(button->id, BN_CLICKED), reinterpret_cast<LPARAM>(window));
  return true;
}

}  // namespace

TKitControl* FormOf(TKitControl& control) {
  TKitControl* at = &control;
  while (at && !at->IsForm()) at = at->Parent();
  return at;
}

TKitControl* FirstTabStop(TKitControl& form) { return NextTabStop(form, nullptr, false); }

TKitControl* NextTabStop(TKitControl& form, TKitControl* from, bool backwards) {
  std::vector<TKitControl*> stops;
  CollectTabStops(form, stops);
  if (stops.empty()) return nullptr;
  const size_t count = stops.size();
  for (size_t i = 0; i < count; ++i) {
    if (stops[i] != from) continue;
    return stops[backwards ? (i + count - 1) % count : (i + 1) % count];
  }
  return backwards ? stops.back() : stops.front();
}

void FocusControl(TKitControl& control) {
  if (TKitControl* form = FormOf(control); form && form != &control) form->focusedChild = &control;
  ::SetFocus(control.Window());
}

bool FocusFormControl(TKitControl& form) {
  TKitControl* target = form.focusedChild;
  if (!target || !CreateControlWindow(*target) || !IsTabStop(*target)) target = FirstTabStop(form);
  if (!target) return false;
  FocusControl(*target);
  return true;
}

bool HandleDialogKey(const MSG& message) {
  if (message.message != WM_KEYDOWN) return false;
  if (message.wParam != VK_TAB && message.wParam != VK_RETURN && message.wParam != VK_ESCAPE) return false;
  // Ctrl+Tab and the like belong to the control (a page control's pages).
  if (KeyHeld(VK_CONTROL) || KeyHeld(VK_MENU)) return false;
  TKitControl* control = ControlOfWindow(message.hwnd);
  TKitControl* form = control ? FormOf(*control) : nullptr;
  if (!form) return false;
  const auto keep = Retain(form);
  const UINT code = control == form ? 0 : DialogCode(message.hwnd, &message);
  if (code & DLGC_WANTMESSAGE) return false;
  switch (message.wParam) {
    case VK_TAB: {
      if (code & DLGC_WANTTAB) return false;
      TKitControl* next = NextTabStop(*form, control, KeyHeld(VK_SHIFT));
      if (!next) return false;
      FocusControl(*next);
      return true;
    }
    case VK_RETURN:
      if (code & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) return PressButton(control);
      return PressButton(form->defaultButton);
    default:
      return PressButton(form->cancelButton);
  }
}

}  // namespace host::kit
