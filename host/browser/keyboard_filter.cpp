#include "host/browser/keyboard_filter.h"

#include "host/kit/kit_api.h"

namespace host::browser {

namespace {

// One slot per depth below the browser's window: 1 its child, 2 its grandchild.
struct FilterSlot {
  HWND window = nullptr;
  WNDPROC previous = nullptr;
};

FilterSlot slots[2];

LRESULT CALLBACK FilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

void Subclass(FilterSlot& slot, HWND window) {
  if (slot.window || !window) return;
  slot.window = window;
  slot.previous = reinterpret_cast<WNDPROC>(
      host::kit::api::SetLong(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FilterProc)));
}

bool IsKeyDown(UINT message) { return message == WM_KEYDOWN || message == WM_SYSKEYDOWN; }

bool CtrlHeld() { return ::GetKeyState(VK_CONTROL) < 0; }

// Keys whose browser action is not wanted in a script's form.
bool KeptFromBrowser(UINT message, WPARAM key) {
  if (!IsKeyDown(message)) return false;
  switch (key) {
    case VK_MENU:
    case VK_F5:
    case VK_F6:
      return true;
    case 'F':
    case 'L':
    case 'N':
    case 'O':
    case 'P':
      return CtrlHeld();
    default:
      return false;
  }
}

LRESULT Filter(HWND window, HWND browser, WNDPROC previous, UINT message, WPARAM wParam, LPARAM lParam) {
  if (KeptFromBrowser(message, wParam)) return host::kit::api::CallProc(previous, window, message, wParam, lParam);
  if (IsKeyDown(message) && wParam == VK_F10) return host::kit::api::CallProc(previous, window, WM_KEYDOWN, 0, lParam);
  if (message == WM_SYSKEYUP && wParam == VK_F10) message = WM_KEYUP;
  if (host::kit::api::Send(browser, message + kForwardedKeyOffset, wParam, lParam) == kKeyEaten) return 0;
  return host::kit::api::CallProc(previous, window, message, wParam, lParam);
}

LRESULT CALLBACK FilterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  const int depth = window == slots[0].window ? 1 : window == slots[1].window ? 2 : 0;
  if (depth == 0) return host::kit::api::DefaultProc(window, message, wParam, lParam);
  FilterSlot& slot = slots[depth - 1];
  const WNDPROC previous = slot.previous;
  if (message == WM_NCDESTROY) {
    host::kit::api::SetLong(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
    slot = FilterSlot{};
    return host::kit::api::CallProc(previous, window, message, wParam, lParam);
  }
  const bool isKey = message == WM_KEYDOWN || message == WM_KEYUP || message == WM_SYSKEYDOWN ||
                     message == WM_SYSKEYUP;
  HWND browser = ::GetParent(window);
  if (depth == 2 && browser) browser = ::GetParent(browser);
  if (!isKey || !browser || !::IsWindow(browser))
    return host::kit::api::CallProc(previous, window, message, wParam, lParam);
  return Filter(window, browser, previous, message, wParam, lParam);
}

}  // namespace

bool InstallKeyboardFilter(HWND browserWindow) {
  HWND inner = browserWindow ? ::GetWindow(browserWindow, GW_CHILD) : nullptr;
  HWND innermost = inner ? ::GetWindow(inner, GW_CHILD) : nullptr;
  Subclass(slots[0], inner);
  Subclass(slots[1], innermost);
  return innermost != nullptr;
}

}  // namespace host::browser
