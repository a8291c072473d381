#include "fake_web_browser.h"

namespace activex_test {

CFakeWebBrowser::~CFakeWebBrowser() {
  for (auto& [name, value] : properties) VariantClear(&value);
}

HRESULT CFakeWebBrowser::QueryInterface(REFIID riid, void** object) {
  *object = nullptr;
  if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IDispatch) &&
      !IsEqualIID(riid, __uuidof(IWebBrowser)) && !IsEqualIID(riid, __uuidof(IWebBrowserApp)) &&
      !IsEqualIID(riid, __uuidof(IWebBrowser2)))
    return E_NOINTERFACE;
  *object = static_cast<IWebBrowser2*>(this);
  AddRef();
  return S_OK;
}

HRESULT CFakeWebBrowser::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT CFakeWebBrowser::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS*, VARIANT* result, EXCEPINFO*, UINT*) {
  if (id != 200 || !result) return DISP_E_MEMBERNOTFOUND;
  result->vt = VT_DISPATCH;
  result->pdispVal = static_cast<IDispatch*>(this);
  AddRef();
  return S_OK;
}

HRESULT CFakeWebBrowser::PutProperty(BSTR name, VARIANT value) {
  VARIANT& slot = properties[name];
  VariantClear(&slot);
  return VariantCopy(&slot, &value);
}

HRESULT CFakeWebBrowser::GetProperty(BSTR name, VARIANT* value) {
  VariantInit(value);
  if (FAILED(failure)) return failure;
  const auto found = properties.find(name);
  return found == properties.end() ? S_OK : VariantCopy(value, &found->second);
}

}  // namespace activex_test
