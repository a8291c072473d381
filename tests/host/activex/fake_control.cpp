#include "fake_control.h"

#include <algorithm>

namespace activex_test {

CFakeControl::CFakeControl() = default;

CFakeControl::~CFakeControl() {
  for (auto& [id, value] : properties) VariantClear(&value);
  if (site) site->Release();
  if (window) ::DestroyWindow(window);
}

bool CFakeControl::Called(const std::string& call) const {
  return std::find(calls.begin(), calls.end(), call) != calls.end();
}

bool CFakeControl::Before(const std::string& first, const std::string& second) const {
  const auto a = std::find(calls.begin(), calls.end(), first);
  const auto b = std::find(calls.begin(), calls.end(), second);
  return a != calls.end() && b != calls.end() && a < b;
}

IDispatch* CFakeControl::AmbientDispatch() {
  IDispatch* dispatch = nullptr;
  if (site) site->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
  return dispatch;
}

HRESULT CFakeControl::QueryInterface(REFIID riid, void** object) {
  *object = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IOleObject))
    *object = static_cast<IOleObject*>(this);
  else if (IsEqualIID(riid, IID_IOleInPlaceObject) || IsEqualIID(riid, IID_IOleWindow))
    *object = static_cast<IOleInPlaceObject*>(this);
  else if (IsEqualIID(riid, IID_IOleInPlaceActiveObject))
    *object = static_cast<IOleInPlaceActiveObject*>(this);
  else if (IsEqualIID(riid, IID_IPersistStreamInit))
    *object = static_cast<IPersistStreamInit*>(this);
  else if (IsEqualIID(riid, IID_IOleControl))
    *object = static_cast<IOleControl*>(this);
  else if (IsEqualIID(riid, IID_IDispatch))
    *object = static_cast<IDispatch*>(this);
  else if (webBrowser && IsEqualIID(riid, __uuidof(IWebBrowser2)))
    return webBrowser->QueryInterface(riid, object);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG CFakeControl::AddRef() { return ++refs; }

ULONG CFakeControl::Release() {
  if (--refs == 0) calls.push_back("released");
  return refs;
}

HRESULT CFakeControl::SetClientSite(IOleClientSite* clientSite) {
  calls.push_back(clientSite ? "SetClientSite(site)" : "SetClientSite(null)");
  if (clientSite) clientSite->AddRef();
  if (site) site->Release();
  site = clientSite;
  return S_OK;
}

HRESULT CFakeControl::GetClientSite(IOleClientSite** clientSite) {
  *clientSite = site;
  if (site) site->AddRef();
  return site ? S_OK : E_FAIL;
}

HRESULT CFakeControl::Close(DWORD) {
  calls.push_back("Close");
  return S_OK;
}

HRESULT CFakeControl::DoVerb(LONG verb, LPMSG, IOleClientSite* activeSite, LONG, HWND parent, LPCRECT position) {
  calls.push_back("DoVerb " + std::to_string(verb));
  if (!activates || !activeSite) return S_OK;
  IOleInPlaceSite* inPlace = nullptr;
  if (FAILED(activeSite->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlace)))) return E_FAIL;
  inPlace->CanInPlaceActivate();
  inPlace->OnInPlaceActivate();
  IOleInPlaceFrame* frame = nullptr;
  IOleInPlaceUIWindow* document = nullptr;
  RECT at{};
  RECT clip{};
  OLEINPLACEFRAMEINFO info{};
  info.cb = sizeof info;
  if (SUCCEEDED(inPlace->GetWindowContext(&frame, &document, &at, &clip, &info))) {
    frameWindow = info.hwndFrame;
    if (frame) frame->Release();
    if (document) document->Release();
  }
  inPlace->Release();
  if (makesWindow && !window)
    window = ::CreateWindowExW(0, L"STATIC", L"fake", WS_CHILD | WS_VISIBLE, position->left, position->top,
                               position->right - position->left, position->bottom - position->top, parent, nullptr,
                               ::GetModuleHandleW(nullptr), nullptr);
  return S_OK;
}

HRESULT CFakeControl::GetExtent(DWORD, SIZEL* size) {
  *size = extent;
  return S_OK;
}

HRESULT CFakeControl::GetMiscStatus(DWORD, DWORD* status) {
  *status = miscStatus;
  return S_OK;
}

HRESULT CFakeControl::GetWindow(HWND* result) {
  *result = window;
  return window ? S_OK : E_FAIL;
}

HRESULT CFakeControl::InPlaceDeactivate() {
  calls.push_back("InPlaceDeactivate");
  if (window) ::DestroyWindow(window);
  window = nullptr;
  IOleInPlaceSite* inPlace = nullptr;
  if (site && SUCCEEDED(site->QueryInterface(IID_IOleInPlaceSite, reinterpret_cast<void**>(&inPlace)))) {
    inPlace->OnInPlaceDeactivate();
    inPlace->Release();
  }
  return S_OK;
}

HRESULT CFakeControl::SetObjectRects(LPCRECT position, LPCRECT clip) {
  calls.push_back("SetObjectRects " + std::to_string(position->right - position->left) + "x" +
                  std::to_string(position->bottom - position->top) + " clip " + std::to_string(clip->right));
  return S_OK;
}

HRESULT CFakeControl::TranslateAccelerator(LPMSG message) {
  calls.push_back("TranslateAccelerator " + std::to_string(message->message));
  return message->wParam == acceleratorKey ? S_OK : S_FALSE;
}

HRESULT CFakeControl::Load(LPSTREAM) {
  calls.push_back("Load");
  return S_OK;
}

HRESULT CFakeControl::InitNew() {
  calls.push_back("InitNew");
  return S_OK;
}

HRESULT CFakeControl::OnAmbientPropertyChange(DISPID id) {
  calls.push_back("OnAmbientPropertyChange " + std::to_string(id));
  return S_OK;
}

HRESULT CFakeControl::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT CFakeControl::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                             UINT*) {
  if (flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
    if (!params || params->cArgs != 1) return DISP_E_BADPARAMCOUNT;
    calls.push_back(std::string(flags & DISPATCH_PROPERTYPUTREF ? "putref " : "put ") + std::to_string(id));
    VARIANT& slot = properties[id];
    VariantClear(&slot);
    return VariantCopy(&slot, &params->rgvarg[0]);
  }
  const auto found = properties.find(id);
  if (found == properties.end()) return DISP_E_MEMBERNOTFOUND;
  if (!result) return S_OK;
  VariantInit(result);
  return VariantCopy(result, &found->second);
}

class CFakeClassRegistration::CFactory : public IClassFactory {
public:
  explicit CFactory(CFakeControl& control) : control_(control) {}
  virtual ~CFactory() = default;
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    *object = nullptr;
    if (!IsEqualIID(riid, IID_IUnknown) && !IsEqualIID(riid, IID_IClassFactory)) return E_NOINTERFACE;
    *object = static_cast<IClassFactory*>(this);
    AddRef();
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --refs_;
    if (left == 0) delete this;
    return left;
  }
  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override {
    if (outer) return CLASS_E_NOAGGREGATION;
    return control_.QueryInterface(riid, object);
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }

private:
  CFakeControl& control_;
  ULONG refs_ = 1;
};

CFakeClassRegistration::CFakeClassRegistration(const CLSID& classId, CFakeControl& control)
    : factory_(new CFactory(control)) {
  ::CoRegisterClassObject(classId, factory_, CLSCTX_INPROC_SERVER, REGCLS_MULTIPLEUSE, &cookie_);
}

CFakeClassRegistration::~CFakeClassRegistration() {
  if (cookie_) ::CoRevokeClassObject(cookie_);
  factory_->Release();
}

CFakeDocument::~CFakeDocument() {
  if (handler) handler->Release();
}

HRESULT CFakeDocument::QueryInterface(REFIID riid, void** object) {
  *object = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch))
    *object = static_cast<IDispatch*>(this);
  else if (IsEqualIID(riid, __uuidof(ICustomDoc)))
    *object = static_cast<ICustomDoc*>(this);
  else
    return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

HRESULT CFakeDocument::GetTypeInfoCount(UINT* count) {
  *count = 0;
  return S_OK;
}

HRESULT CFakeDocument::SetUIHandler(IDocHostUIHandler* newHandler) {
  if (newHandler) newHandler->AddRef();
  if (handler) handler->Release();
  handler = newHandler;
  return S_OK;
}

}  // namespace activex_test
