#include "host/browser/doc_host_handler.h"

#include "host/browser/web_browser.h"
#include "host/com/variant_convert.h"
#include "host/error_relay.h"
#include "runtime/base/ref.h"

namespace host::browser {

namespace {

constexpr DWORD kNo3DBorder = 4;

// The IDispatch of a stored value; none for an empty value or one that is
// no object (a script that stored a number has given pages nothing to call).
IDispatch* DispatchOfProperty(const VARIANT& value) {
  const VARIANT* at = &value;
  if (at->vt == (VT_BYREF | VT_VARIANT) && at->pvarVal) at = at->pvarVal;
  IUnknown* unknown = nullptr;
  if (at->vt == VT_DISPATCH) unknown = at->pdispVal;
  else if (at->vt == VT_UNKNOWN) unknown = at->punkVal;
  else if (at->vt == (VT_BYREF | VT_DISPATCH) && at->ppdispVal) unknown = *at->ppdispVal;
  else if (at->vt == (VT_BYREF | VT_UNKNOWN) && at->ppunkVal) unknown = *at->ppunkVal;
  IDispatch* dispatch = nullptr;
  if (unknown) unknown->QueryInterface(__uuidof(IDispatch), reinterpret_cast<void**>(&dispatch));
  return dispatch;
}

}  // namespace

HRESULT TDocHostUIHandler::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsEqualIID(riid, __uuidof(IUnknown)) && !IsEqualIID(riid, __uuidof(IDocHostUIHandler)))
    return E_NOINTERFACE;
  *object = static_cast<IDocHostUIHandler*>(this);
  AddRef();
  return S_OK;
}

ULONG TDocHostUIHandler::Release() {
  const ULONG left = --count_;
  if (left == 0) delete this;
  return left;
}

HRESULT TDocHostUIHandler::GetHostInfo(DOCHOSTUIINFO* info) {
  if (!info) return E_POINTER;
  info->dwFlags = kNo3DBorder;
  return S_OK;
}

HRESULT TDocHostUIHandler::GetDropTarget(IDropTarget*, IDropTarget** target) {
  if (target) *target = nullptr;
  return S_FALSE;
}

HRESULT TDocHostUIHandler::FilterDataObject(IDataObject*, IDataObject** result) {
  if (result) *result = nullptr;
  return S_FALSE;
}

HRESULT TDocHostUIHandler::GetExternal(IDispatch** external) {
  if (!external) return E_POINTER;
  *external = nullptr;
  TKitWebBrowser* control = control_;
  if (!control) return S_OK;
  const auto keep = Retain(control);
  return ErrorRelay::Guard(HRESULT(E_FAIL), [&] {
    host::OleVariant value;
    GetBrowserProperty(*control, kExternalProperty, value.Get());
    *external = DispatchOfProperty(value.Get());
    return S_OK;
  });
}

}  // namespace host::browser
