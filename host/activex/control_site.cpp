#include "host/activex/control_site.h"

#include <cmath>

#include "host/activex/ole_control.h"

namespace host::activex {

namespace {

int ScreenPixelsPerInch() {
  HDC screen = ::GetDC(nullptr);
  const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
  ::ReleaseDC(nullptr, screen);
  return dpi > 0 ? dpi : 96;
}

constexpr double kHimetricPerInch = 2540.0;

}  // namespace

LONG HimetricToPixels(LONG himetric) {
  return LONG(std::lround(double(himetric) * ScreenPixelsPerInch() / kHimetricPerInch));
}

LONG PixelsToHimetric(LONG pixels) {
  return LONG(std::lround(double(pixels) * kHimetricPerInch / ScreenPixelsPerInch()));
}

host::kit::TKitControl* FormOf(host::kit::TKitControl& control) {
  host::kit::TKitControl* at = &control;
  while (at && !at->IsForm()) at = at->Parent();
  return at;
}

TOleCtlIntf::TOleCtlIntf(TOleControl& control) : control_(&control) {}

HRESULT TOleCtlIntf::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleClientSite))
    *object = static_cast<IOleClientSite*>(this);
  else if (IsEqualIID(riid, IID_IOleWindow) || IsEqualIID(riid, IID_IOleInPlaceSite))
    *object = static_cast<IOleInPlaceSite*>(this);
  else if (IsEqualIID(riid, IID_IOleControlSite))
    *object = static_cast<IOleControlSite*>(this);
  else if (IsEqualIID(riid, IID_IDispatch))
    *object = static_cast<IDispatch*>(this);
  else if (IsEqualIID(riid, IID_IPropertyNotifySink))
    *object = static_cast<IPropertyNotifySink*>(this);
  else if (IsEqualIID(riid, IID_ISimpleFrameSite))
    *object = static_cast<ISimpleFrameSite*>(this);
  else if (IsEqualIID(riid, IID_IOleInPlaceFrame) || IsEqualIID(riid, IID_IOleInPlaceUIWindow))
    *object = static_cast<IOleInPlaceFrame*>(&frame_);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG TOleCtlIntf::AddRef() { return ++count_; }

ULONG TOleCtlIntf::Release() {
  const ULONG left = --count_;
  if (left == 0) delete this;
  return left;
}

HRESULT TOleCtlIntf::GetMoniker(DWORD, DWORD, IMoniker** moniker) {
  if (moniker) *moniker = nullptr;
  return E_NOTIMPL;
}

HRESULT TOleCtlIntf::GetContainer(IOleContainer** container) {
  if (container) *container = nullptr;
  return E_NOINTERFACE;
}

HRESULT TOleCtlIntf::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = nullptr;
  if (control_ && control_->Parent()) *window = control_->Parent()->Window();
  return *window ? S_OK : E_FAIL;
}

HRESULT TOleCtlIntf::OnInPlaceActivate() {
  if (!control_ || !control_->OleObject()) return E_UNEXPECTED;
  IOleInPlaceObject* object = nullptr;
  IOleInPlaceActiveObject* active = nullptr;
  control_->OleObject()->QueryInterface(IID_IOleInPlaceObject, reinterpret_cast<void**>(&object));
  control_->OleObject()->QueryInterface(IID_IOleInPlaceActiveObject, reinterpret_cast<void**>(&active));
  control_->SetInPlaceInterfaces(object, active);
  return S_OK;
}

HRESULT TOleCtlIntf::OnUIActivate() {
  if (!control_) return E_UNEXPECTED;
  if (host::kit::TKitControl* form = FormOf(*control_)) form->focusedChild = control_;
  return S_OK;
}

HRESULT TOleCtlIntf::OnUIDeactivate(BOOL) {
  if (!control_) return E_UNEXPECTED;
  frame_.SetMenu(nullptr, nullptr, nullptr);
  host::kit::TKitControl* form = FormOf(*control_);
  if (form && form->focusedChild == control_) form->focusedChild = nullptr;
  return S_OK;
}

HRESULT TOleCtlIntf::OnInPlaceDeactivate() {
  if (!control_) return E_UNEXPECTED;
  control_->SetInPlaceInterfaces(nullptr, nullptr);
  return S_OK;
}

HRESULT TOleCtlIntf::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document, LPRECT position,
                                      LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (frame) *frame = nullptr;
  if (document) *document = nullptr;
  if (!control_) return E_UNEXPECTED;
  if (!frame || !position || !clip || !info) return E_POINTER;
  *frame = &frame_;
  frame_.AddRef();
  *position = control_->bounds;
  *clip = kUnclipped;
  info->fMDIApp = FALSE;
  host::kit::TKitControl* form = FormOf(*control_);
  info->hwndFrame = form ? form->Window() : nullptr;
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

HRESULT TOleCtlIntf::OnPosRectChange(LPCRECT position) {
  if (!control_) return E_UNEXPECTED;
  if (!position) return E_POINTER;
  if (IOleInPlaceObject* object = control_->InPlaceObject()) object->SetObjectRects(position, &kUnclipped);
  return S_OK;
}

HRESULT TOleCtlIntf::GetExtendedControl(IDispatch** extended) {
  if (extended) *extended = nullptr;
  return E_NOTIMPL;
}

HRESULT TOleCtlIntf::TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) {
  if (!himetric || !container) return E_POINTER;
  if (flags & XFORMCOORDS_HIMETRICTOCONTAINER) {
    container->x = float(HimetricToPixels(himetric->x));
    container->y = float(HimetricToPixels(himetric->y));
  } else if (flags & XFORMCOORDS_CONTAINERTOHIMETRIC) {
    himetric->x = PixelsToHimetric(LONG(std::lround(container->x)));
    himetric->y = PixelsToHimetric(LONG(std::lround(container->y)));
  } else {
    return E_INVALIDARG;
  }
  return S_OK;
}

HRESULT TOleCtlIntf::TFrame::QueryInterface(REFIID riid, void** object) {
  return site_.QueryInterface(riid, object);
}

HRESULT TOleCtlIntf::TFrame::GetWindow(HWND* window) {
  if (!window) return E_POINTER;
  *window = nullptr;
  if (!site_.control_) return E_UNEXPECTED;
  host::kit::TKitControl* form = FormOf(*site_.control_);
  *window = form ? form->Window() : nullptr;
  return *window ? S_OK : E_FAIL;
}

HRESULT TOleCtlIntf::TFrame::InsertMenus(HMENU shared, LPOLEMENUGROUPWIDTHS) {
  // The kit's forms have no menus to share.
  if (shared)
    while (::GetMenuItemCount(shared) > 0) ::RemoveMenu(shared, 0, MF_BYPOSITION);
  return S_OK;
}

HRESULT TOleCtlIntf::TFrame::SetMenu(HMENU shared, HOLEMENU descriptor, HWND) {
  TOleControl* control = site_.control_;
  if (!control || control->id == 0) return S_OK;
  host::kit::TKitControl* form = FormOf(*control);
  if (form && form->Window()) ::OleSetMenuDescriptor(shared ? descriptor : nullptr, form->Window(), nullptr, nullptr,
                                                     nullptr);
  return S_OK;
}

}  // namespace host::activex
