#include "host/kit/appearance.h"

#include <windows.h>

#include "host/kit/kit_api.h"
#include "host/kit/kit_control.h"
#include "host/kit/window_class.h"
#include "runtime/error.h"

using namespace runtime;

namespace host::kit {

namespace {

using SetLayeredAttributes = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);

// Looked up by name: systems without layered windows simply do without.
SetLayeredAttributes LayeredAttributes() {
  HMODULE user32 = api::ModuleHandle(api::SysName(L"User32").c_str());
  if (!user32) return nullptr;
  return reinterpret_cast<SetLayeredAttributes>(
      reinterpret_cast<void*>(::GetProcAddress(user32, "SetLayeredWindowAttributes")));
}

void MoveToBounds(TKitControl& control) {
  if (!control.Window()) return;
  const RECT& b = control.bounds;
  ::SetWindowPos(control.Window(), nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

void ShowAndActivate(TKitControl& control) {
  if (!CreateControlWindow(control)) return;
  ::ShowWindow(control.Window(), SW_SHOW);
  ::SetForegroundWindow(control.Window());
  ::SetFocus(control.Window());
}

void HideControl(TKitControl& control) {
  if (control.Window()) ::ShowWindow(control.Window(), SW_HIDE);
}

bool IsControlVisible(const TKitControl& control) {
  return control.Window() && ::IsWindowVisible(control.Window());
}

void PostClose(TKitControl& control) {
  if (control.Window()) api::Post(control.Window(), WM_CLOSE, 0, 0);
}

void SetAlphaBlend(TKitControl& control, int alpha) {
  if (alpha < 1 || alpha > 255) RaiseError(QT("Alpha must be 1 to 255"));
  if (alpha == control.alpha) return;
  control.alpha = uint8_t(alpha);
  ApplyAlpha(control);
}

void ApplyAlpha(TKitControl& control) {
  HWND window = control.Window();
  if (!window) return;
  const SetLayeredAttributes setAttributes = LayeredAttributes();
  if (!setAttributes) return;
  const LONG_PTR exStyle = api::GetLong(window, GWL_EXSTYLE);
  if (control.alpha == 255) {
    if (exStyle & WS_EX_LAYERED) api::SetLong(window, GWL_EXSTYLE, exStyle & ~LONG_PTR(WS_EX_LAYERED));
    control.exStyle &= ~DWORD(WS_EX_LAYERED);
    return;
  }
  api::SetLong(window, GWL_EXSTYLE, exStyle | WS_EX_LAYERED);
  control.exStyle |= WS_EX_LAYERED;
  setAttributes(window, 0, control.alpha, LWA_ALPHA);
}

void SetTopMost(TKitControl& control, bool topMost) {
  const bool now = control.Window() ? (api::GetLong(control.Window(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0
                                    : (control.exStyle & WS_EX_TOPMOST) != 0;
  if (topMost) control.exStyle |= WS_EX_TOPMOST;
  else control.exStyle &= ~DWORD(WS_EX_TOPMOST);
  if (now == topMost || !control.Window()) return;
  ::SetWindowPos(control.Window(), topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOACTIVATE | SWP_NOMOVE | SWP_NOSIZE);
}

void CenterControl(TKitControl& control) {
  if (!CreateControlWindow(control)) return;
  ReadBounds(control);
  int areaWidth = 0;
  int areaHeight = 0;
  if (control.Parent() && control.isChild) {
    RECT client{};
    ::GetClientRect(control.Parent()->Window(), &client);
    areaWidth = client.right;
    areaHeight = client.bottom;
  } else {
    areaWidth = ::GetSystemMetrics(SM_CXSCREEN);
    areaHeight = ::GetSystemMetrics(SM_CYSCREEN);
  }
  RECT& b = control.bounds;
  const int width = b.right - b.left;
  const int height = b.bottom - b.top;
  b.left = (areaWidth - width) / 2;
  b.top = (areaHeight - height) / 2;
  b.right = b.left + width;
  b.bottom = b.top + height;
  control.explicitPosition = true;
  MoveToBounds(control);
}

void SetControlSize(TKitControl& control, int width, int height) {
  RECT& b = control.bounds;
  if (width != 0) b.right = b.left + width;
  if (height != 0) b.bottom = b.top + height;
  MoveToBounds(control);
}

void SetControlPosition(TKitControl& control, int left, int top) {
  RECT& b = control.bounds;
  b.right += left - b.left;
  b.bottom += top - b.top;
  b.left = left;
  b.top = top;
  control.explicitPosition = true;
  MoveToBounds(control);
}

void SetAlign(TKitControl& control, int align) {
  control.align = align;
  if (control.Parent()) LayoutChildren(*control.Parent());
}

void LayoutChildren(TKitControl& control) {
  RECT client{};
  if (control.Window()) {
    ::GetClientRect(control.Window(), &client);
  } else {
    client.right = control.bounds.right - control.bounds.left;
    client.bottom = control.bounds.bottom - control.bounds.top;
  }
  const RECT& m = control.margins;
  for (TKitControl* child : control.Children()) {
    if (child->align != kAlignClient) continue;
    child->bounds = {client.left + m.left, client.top + m.top, client.right - m.right, client.bottom - m.bottom};
    MoveToBounds(*child);
  }
}

void ReadBounds(TKitControl& control) {
  HWND window = control.Window();
  if (!window) return;
  RECT outer{};
  ::GetWindowRect(window, &outer);
  HWND parent = ::GetParent(window);
  if (parent && (api::GetLong(window, GWL_STYLE) & WS_CHILD))
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&outer), 2);
  control.bounds = outer;
}

void SetTextColor(TKitControl& control, uint32_t color) {
  control.textColor = color;
  control.Changed();
  if (control.Window()) ::InvalidateRect(control.Window(), nullptr, TRUE);
}

void SetBackgroundColor(TKitControl& control, uint32_t color) {
  control.background = color;
  control.Changed();
  if (control.Window()) ::InvalidateRect(control.Window(), nullptr, TRUE);
}

}  // namespace host::kit
