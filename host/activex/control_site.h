// The site a hosted control talks to: client site, in-place site and frame,
// control site, ambient properties, property change notifications and the
// simple frame site. The control owns its site; the site is counted all the
// same and forgets the control when it ends, so a control that calls in
// late gets E_UNEXPECTED instead of a freed host.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>
#include <olectl.h>

#include <atomic>

#include "host/activex/event_dispatch.h"
#include "host/kit/kit_control.h"

namespace host::activex {

using namespace runtime;

class TOleControl;

// The clip rectangle every in-place control gets.
constexpr RECT kUnclipped{0, 0, 32767, 32767};

class TOleCtlIntf : public IOleClientSite,
                    public IOleInPlaceSite,
                    public IOleControlSite,
                    public IDispatch,
                    public IPropertyNotifySink,
                    public ISimpleFrameSite {
public:
  // Counted once for the control that made it.
  explicit TOleCtlIntf(TOleControl& control);
  virtual ~TOleCtlIntf() = default;

  TOleControl* Control() const { return control_; }
  // The control ends: the site answers nothing from now on.
  void Detach() { control_ = nullptr; }
  IDispatch* Events() { return &events_; }
  IOleInPlaceFrame* Frame() { return &frame_; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** moniker) override;
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** container) override;
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow, IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override;
  HRESULT STDMETHODCALLTYPE OnUIActivate() override;
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** document,
                                             LPRECT position, LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override;
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override;
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT position) override;

  // IOleControlSite
  HRESULT STDMETHODCALLTYPE OnControlInfoChanged() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE LockInPlaceActive(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetExtendedControl(IDispatch** extended) override;
  HRESULT STDMETHODCALLTYPE TransformCoords(POINTL* himetric, POINTF* container, DWORD flags) override;
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(MSG*, DWORD) override { return S_FALSE; }
  HRESULT STDMETHODCALLTYPE OnFocus(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ShowPropertyFrame() override { return E_NOTIMPL; }

  // IDispatch: the ambient properties (ambient_properties.cpp)
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                                   UINT*) override;

  // IPropertyNotifySink (ambient_properties.cpp)
  HRESULT STDMETHODCALLTYPE OnChanged(DISPID id) override;
  HRESULT STDMETHODCALLTYPE OnRequestEdit(DISPID) override { return S_OK; }

  // ISimpleFrameSite
  HRESULT STDMETHODCALLTYPE PreMessageFilter(HWND, UINT, WPARAM, LPARAM, LRESULT*, DWORD*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE PostMessageFilter(HWND, UINT, WPARAM, LPARAM, LRESULT*, DWORD) override { return S_OK; }

private:
  // The in-place frame answers the form's window where the site answers
  // the parent's, so it is an object of its own sharing the site's count.
  class TFrame : public IOleInPlaceFrame {
  public:
    explicit TFrame(TOleCtlIntf& site) : site_(site) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override { return site_.AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return site_.Release(); }
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
    HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE InsertMenus(HMENU shared, LPOLEMENUGROUPWIDTHS) override;
    HRESULT STDMETHODCALLTYPE SetMenu(HMENU shared, HOLEMENU descriptor, HWND) override;
    HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
    HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

  private:
    TOleCtlIntf& site_;
  };

  TOleControl* control_;
  std::atomic<ULONG> count_{1};
  TFrame frame_{*this};
  TEventDispatch events_{*this};
  // Re-entry guards of the property notifications.
  bool inEnabled_ = false;
  bool inForeColor_ = false;
  bool inBackColor_ = false;
};

// The form a control sits on (itself for a form), or null.
host::kit::TKitControl* FormOf(host::kit::TKitControl& control);

// HIMETRIC and screen pixels by the screen's vertical resolution, rounded.
LONG HimetricToPixels(LONG himetric);
LONG PixelsToHimetric(LONG pixels);

}  // namespace host::activex
