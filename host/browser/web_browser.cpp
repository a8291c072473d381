#include "host/browser/web_browser.h"

#include "host/browser/doc_host_handler.h"
#include "host/browser/keyboard_filter.h"
#include "host/com/dispatcher.h"
#include "host/com/ole_error.h"
#include "host/com/variant_convert.h"
#include "host/kit/appearance.h"
#include "runtime/error.h"
#include "runtime/base/ref.h"

namespace host::browser {

namespace {

using host::activex::TOleControl;
using host::activex::TOleControlData;

// {8856F961-340A-11D0-A96B-00C04FD705A2}
constexpr CLSID kWebBrowserClass = {0x8856F961, 0x340A, 0x11D0, {0xA9, 0x6B, 0x00, 0xC0, 0x4F, 0xD7, 0x05, 0xA2}};
// DWebBrowserEvents2 {34A715A0-6587-11D0-924A-0020AFC7AC4D}
constexpr IID kWebBrowserEvents2 = {0x34A715A0, 0x6587, 0x11D0, {0x92, 0x4A, 0x00, 0x20, 0xAF, 0xC7, 0xAC, 0x4D}};
constexpr int kBrowserDataVersion = 401;

}  // namespace

TOleControlData& BrowserControlData() {
  static TOleControlData data = [] {
    TOleControlData made{};
    made.classId = kWebBrowserClass;
    made.eventsId = kWebBrowserEvents2;
    made.version = kBrowserDataVersion;
    // DWebBrowserEvents2 in the browser's order; only NavigateComplete2 is handled.
    made.eventIds = {102, 108, 105, 106, 104, 113, 112, 250, 251, 252, 259, 253, 254, 255, 256, 257, 258, 260};
    return made;
  }();
  return data;
}

TKitWebBrowser::TKitWebBrowser() : TOleControl(BrowserControlData()) { AddHandler(&BrowserMessages); }

TKitWebBrowser::~TKitWebBrowser() {
  LetGoOfHandler();
  if (webBrowser_) webBrowser_->Release();
}

void TKitWebBrowser::LetGoOfHandler() {
  if (handler_) {
    handler_->Detach();
    handler_->Release();
  }
  handler_ = nullptr;
  hostHandler_ = nullptr;
}

void TKitWebBrowser::WindowEnding() {
  const auto keep = Retain(this);
  LetGoOfHandler();
  TOleControl::WindowEnding();
  if (webBrowser_) webBrowser_->Release();
  webBrowser_ = nullptr;
}

IWebBrowser2* TKitWebBrowser::WebBrowser() {
  if (!webBrowser_ && OleObject())
    OleObject()->QueryInterface(__uuidof(IWebBrowser2), reinterpret_cast<void**>(&webBrowser_));
  if (!webBrowser_) RaiseError(QT("The browser control is not available"));
  return webBrowser_;
}

bool TKitWebBrowser::BrowserMessages(host::kit::TKitControl& control, host::kit::TKitMessage& message) {
  auto& browser = static_cast<TKitWebBrowser&>(control);
  if (!browser.filtered_ && browser.Window()) browser.filtered_ = InstallKeyboardFilter(browser.Window());
  if (!IsForwardedKey(message.message)) return false;
  message.result = 0;
  if (IOleInPlaceActiveObject* active = browser.ActiveObject()) {
    MSG original{message.window, message.message - kForwardedKeyOffset, message.wParam, message.lParam, 0, {}};
    if (active->TranslateAccelerator(&original) == S_OK) message.result = kKeyEaten;
  }
  return true;
}

// Each new page's document gets the host handler.
void TKitWebBrowser::NavigateComplete(void* data, TOleControl&, uintptr_t) {
  auto* browser = static_cast<TKitWebBrowser*>(data);
  if (!browser->hostHandler_ || !browser->ControlDispatch()) return;
  host::OleVariant document;
  try {
    GetOleProperty(*browser, kBrowserDocument, document.Get());
  } catch (const EScriptError&) {
    return;
  }
  if (document.Get().vt != VT_DISPATCH || !document.Get().pdispVal) return;
  ICustomDoc* custom = nullptr;
  if (FAILED(document.Get().pdispVal->QueryInterface(__uuidof(ICustomDoc), reinterpret_cast<void**>(&custom))))
    return;
  custom->SetUIHandler(browser->hostHandler_);
  custom->Release();
}

void CreateBrowserOle(TKitWebBrowser& control) {
  host::activex::CreateOleControl(control);
  control.LetGoOfHandler();
  control.handler_ = new TDocHostUIHandler(control);
  control.hostHandler_ = control.handler_;
  if (host::activex::TOleEventSlot* slot = control.EventSlot(kNavigateComplete2))
    *slot = {&TKitWebBrowser::NavigateComplete, &control};
}

TKitWebBrowser* CreateBrowserControl(host::kit::TKitForm* form) {
  auto control = MakeRef<TKitWebBrowser>();
  CreateBrowserOle(*control);
  if (form) control->SetParent(form);
  return control.Detach();
}

void GetBrowserProperty(TKitWebBrowser& control, const wchar_t* name, VARIANT& result) {
  VariantClear(&result);
  BSTR key = SysAllocString(name);
  if (!key) RaiseError(QT("Out of memory"));
  const HRESULT status = control.WebBrowser()->GetProperty(key, &result);
  SysFreeString(key);
  CheckOle(status);
}

IDispatch* BrowserApplication(TKitWebBrowser* control) {
  if (!control || !control->OleObject()) return nullptr;
  IDispatch* automation = control->WebBrowser();
  host::OleVariant value;
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  EXCEPINFO info{};
  UINT badArgument = 0;
  const HRESULT status = automation->Invoke(kBrowserApplication, IID_NULL, 0, DISPATCH_PROPERTYGET, &none,
                                            &value, &info, &badArgument);
  if (status == DISP_E_EXCEPTION) RaiseInvokeError(status, info);
  CheckOle(status);
  VARIANT& got = value.Get();
  IUnknown* unknown = got.vt == VT_DISPATCH ? got.pdispVal : got.vt == VT_UNKNOWN ? got.punkVal : nullptr;
  IDispatch* dispatch = nullptr;
  if (unknown) unknown->QueryInterface(__uuidof(IDispatch), reinterpret_cast<void**>(&dispatch));
  return dispatch;
}

}  // namespace host::browser
