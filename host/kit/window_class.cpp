#include "host/kit/window_class.h"

#include <climits>

#include "host/kit/appearance.h"
#include "host/kit/kit_api.h"
#include "host/kit/kit_control.h"
#include "host/kit/kit_state.h"
#include "host/kit/window_proc.h"
#include "runtime/base/ref.h"

using namespace runtime;

namespace host::kit {

namespace {

// Styles a base class must not pass on: one device context per class or
// window would be shared with windows the kit does not know.
constexpr UINT kBaseClassStylesCleared = CS_GLOBALCLASS | CS_OWNDC | CS_CLASSDC | CS_PARENTDC;
// Clears the hide-focus state of the new window.
constexpr WPARAM kShowFocus = 0x10002;

// Kind names are ASCII.
api::SysText ClassNameOf(const TKitControl& control) {
  const std::string name = KitClassName(control);
  return api::SysText(name.begin(), name.end());
}

bool RegisterKitClass(TKitControl& control, const api::SysChar* name) {
  HINSTANCE instance = api::ModuleHandle(nullptr);
  api::ClassRecord record{};
  record.hCursor = api::LoadCursorOf(nullptr, api::ResourceId(0x7F00));
  record.hInstance = instance;
  record.style = control.classStyle;
  if (const wchar_t* baseName = control.BaseClassName()) {
    const api::SysText base = api::SysName(baseName);
    if (api::ClassInfo(nullptr, base.c_str(), &record) || api::ClassInfo(instance, base.c_str(), &record)) {
      record.style &= ~kBaseClassStylesCleared;
      control.previousProc = record.lpfnWndProc;
    }
  }
  api::ClassRecord existing{};
  if (api::ClassInfo(instance, name, &existing)) return true;
  record.hInstance = instance;
  record.lpfnWndProc = &KitWndProc;
  record.lpszClassName = name;
  record.lpszMenuName = nullptr;
  return api::RegisterClassRecord(&record) != 0;
}

// Its own icon; else a copy of the main form's; else the program's.
void SetTopLevelIcon(TKitControl& control) {
  if (control.icon == kNoIcon) return;
  if (!control.icon) {
    TKitControl* main = MainForm();
    if (main && main != &control && main->icon && main->icon != kNoIcon)
      control.SetOwnedIcon(static_cast<HICON>(::CopyImage(main->icon, IMAGE_ICON, 0, 0, 0)));
    else
      control.icon = api::LoadIconOf(api::ModuleHandle(nullptr), api::SysName(L"MAINICON").c_str());
  }
  if (control.icon) api::Send(control.Window(), WM_SETICON, ICON_BIG, LPARAM(control.icon));
}

// The kit's own window of the control: its class, registered on first use.
bool MakeKitWindow(TKitControl& control, HWND parentWindow) {
  const api::SysText className = ClassNameOf(control);
  if ((control.style & WS_CHILD) && !parentWindow) return false;
  if (!RegisterKitClass(control, className.c_str())) return false;

  const RECT& b = control.bounds;
  int width = b.right - b.left;
  int height = b.bottom - b.top;
  if (width == 0) width = CW_USEDEFAULT;
  if (height == 0) height = CW_USEDEFAULT;
  const bool placed = control.isChild || control.explicitPosition;
  const int x = placed ? b.left : CW_USEDEFAULT;
  const int y = placed ? b.top : CW_USEDEFAULT;
  const api::SysText caption = api::SysTextOf(control.caption);

  SetControlUnderCreation(&control);
  HWND window = api::CreateWindowOf(control.exStyle, className.c_str(), caption.c_str(), control.style, x, y, width,
                                    height, parentWindow, reinterpret_cast<HMENU>(control.id),
                                    api::ModuleHandle(nullptr), nullptr);
  SetControlUnderCreation(nullptr);
  if (!window || control.Window() != window) return false;
  api::Send(window, WM_UPDATEUISTATE, kShowFocus, 0);

  if (!parentWindow) SetTopLevelIcon(control);
  return true;
}

}  // namespace

std::string KitClassName(const TKitControl& control) {
  return control.BareClassName() ? control.KindName() : "obj_" + control.KindName();
}

BSTR StringToBstr(std::string_view text) {
  if (text.size() > size_t(INT_MAX)) return nullptr;
  const int length = ::MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), nullptr, 0);
  BSTR result = ::SysAllocStringLen(nullptr, UINT(length));
  if (result && length > 0) ::MultiByteToWideChar(CP_ACP, 0, text.data(), int(text.size()), result, length);
  return result;
}

bool CreateControlWindow(TKitControl& control) {
  const auto keep = Retain(&control);
  TKitControl* parent = control.Parent();
  if (parent && !parent->Window() && !CreateControlWindow(*parent)) return false;
  if (control.Window()) {
    const std::vector<TKitControl*> children = control.Children();
    for (TKitControl* child : children) CreateControlWindow(*child);
    return true;
  }
  HWND parentWindow = parent ? parent->Window() : nullptr;
  if (control.MakeOwnWindow(parentWindow)) {
    if (!control.Window()) return false;
  } else if (!MakeKitWindow(control, parentWindow)) {
    return false;
  }
  ReadBounds(control);
  ApplyAlpha(control);
  control.AfterCreate();
  const std::vector<TKitControl*> children = control.Children();
  for (TKitControl* child : children) CreateControlWindow(*child);
  return true;
}

}  // namespace host::kit
