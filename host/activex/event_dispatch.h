// The sink of a hosted control's events. Stock events (click, keys, mouse)
// become kit messages; every other event goes to the handler slot the kind
// keeps for its DISPID. Invoke always answers S_OK: an event nobody handles
// is not the control's error.
#pragma once
#include <windows.h>
#include <ole2.h>

namespace host::activex {

class TOleControl;
class TOleCtlIntf;

// Stock event DISPIDs.
constexpr DISPID kStockClick = -600;
constexpr DISPID kStockDblClick = -601;
constexpr DISPID kStockKeyDown = -602;
constexpr DISPID kStockKeyPress = -603;
constexpr DISPID kStockKeyUp = -604;
constexpr DISPID kStockMouseUp = -607;

// Part of the site: its reference count is the site's.
class TEventDispatch : public IDispatch {
public:
  explicit TEventDispatch(TOleCtlIntf& site) : site_(site) {}

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                   UINT*) override;

private:
  TOleCtlIntf& site_;
};

// Click, double click, keys and key press as kit messages offered to the
// OnMessage events (never to the control's own window procedure, which
// fired the event); mouse events are accepted and ignored. Errors inside are
// kept for the script, never raised here.
void FireStockEvent(TOleControl& control, DISPID id, const DISPPARAMS* params);
// Calls the handler of the event's slot, if it has one, with the payload of
// the first parameter that is not a floating or date value (an array's
// VARIANT address). A handler's error is kept for the script.
void FireControlEvent(TOleControl& control, DISPID id, const DISPPARAMS* params);

}  // namespace host::activex
