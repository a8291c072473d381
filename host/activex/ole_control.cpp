#include "host/activex/ole_control.h"

#include <algorithm>
#include <iterator>

#include "host/activex/control_site.h"
#include "host/com/dispatcher.h"
#include "host/com/ole_error.h"
#include "host/com/ole_text.h"
#include "host/com/variant_convert.h"
#include "host/kit/kit_api.h"
#include "host/kit/kit_state.h"
#include "host/kit/window_proc.h"
#include "runtime/error.h"
#include "runtime/sys/sys_util.h"
#include "runtime/base/ref.h"

namespace host::activex {

namespace {

constexpr DWORD kChildControlStyle = 0x56000000;
constexpr DISPID kPropertyCaption = -518;
constexpr DISPID kPropertyText = -517;
constexpr DISPID kAmbientDisplayName = -702;
// Stock properties whose kit copies follow the control, in the order asked.
constexpr struct {
  uint32_t flag;
  DISPID id;
} kFollowedStockProperties[] = {{kStockBackColor, -501}, {kStockEnabled, -514}, {kStockFont, -512},
                                {kStockForeColor, -513}};
// A control hidden at run time is this high at most before it is loaded.
constexpr LONG kInvisibleControlHeight = 32;

bool oleInitialized = false;

void InitializeOle() {
  if (oleInitialized) return;
  // A failure is not counted: the next control tries again.
  oleInitialized = SUCCEEDED(::OleInitialize(nullptr));
}

template <class T>
void ReleaseInterface(T*& pointer) {
  if (pointer) pointer->Release();
  pointer = nullptr;
}

// Connects sink to the object's connection point for the interface; a
// control without one simply sends nothing there.
void Advise(IUnknown* object, const IID& events, IUnknown* sink, DWORD& cookie) {
  IConnectionPointContainer* container = nullptr;
  if (FAILED(object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) return;
  IConnectionPoint* point = nullptr;
  const HRESULT found = container->FindConnectionPoint(events, &point);
  container->Release();
  if (FAILED(found) || !point) return;
  const HRESULT status = point->Advise(sink, &cookie);
  point->Release();
  CheckOle(status);
}

void Unadvise(IUnknown* object, const IID& events, DWORD& cookie) {
  if (!object || cookie == 0) return;
  IConnectionPointContainer* container = nullptr;
  if (SUCCEEDED(object->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)))) {
    IConnectionPoint* point = nullptr;
    if (SUCCEEDED(container->FindConnectionPoint(events, &point)) && point) {
      point->Unadvise(cookie);
      point->Release();
    }
    container->Release();
  }
  cookie = 0;
}

void TakeExtent(TOleControl& control) {
  SIZEL extent{};
  if (FAILED(control.OleObject()->GetExtent(DVASPECT_CONTENT, &extent))) return;
  RECT& b = control.bounds;
  if (b.right == b.left) b.right = b.left + HimetricToPixels(extent.cx);
  if (b.bottom == b.top) {
    LONG height = HimetricToPixels(extent.cy);
    if (control.MiscStatus() & OLEMISC_INVISIBLEATRUNTIME) height = std::min(height, kInvisibleControlHeight);
    b.bottom = b.top + height;
  }
}

HRESULT InvokeProperty(TOleControl& control, DISPID id, WORD flags, DISPPARAMS& params, VARIANT* result) {
  IDispatch* dispatch = control.ControlDispatch();
  if (!dispatch) RaiseError(QT("The control is not loaded yet"));
  EXCEPINFO info{};
  UINT badArgument = 0;
  const HRESULT status = dispatch->Invoke(id, IID_NULL, 0, flags, &params, result, &info, &badArgument);
  if (status == DISP_E_EXCEPTION) RaiseInvokeError(status, info);
  return status;
}

}  // namespace

TOleControl::TOleControl(TOleControlData& data) : data_(data), slots_(data.eventIds.size()) {
  isChild = true;
  style = kChildControlStyle;
  AddReleaseOnDestroy(&ShutdownOnDestroy, this);
}

TOleControl::~TOleControl() {
  Shutdown();
  RemoveReleaseOnDestroy(&ShutdownOnDestroy, this);
  for (HFONT font : fonts_) ::DeleteObject(font);
  if (counted_) --data_.instanceCount;
}

TOleCtlIntf* TOleControl::NewSite() { return new TOleCtlIntf(*this); }

TOleEventSlot* TOleControl::EventSlot(DISPID id) {
  const auto& ids = data_.eventIds;
  const auto found = std::find(ids.begin(), ids.end(), id);
  return found == ids.end() ? nullptr : &slots_[size_t(found - ids.begin())];
}

void TOleControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  if (Window()) ::EnableWindow(Window(), enabled);
}

void TOleControl::SetSavedState(HGLOBAL state) {
  if (savedState_) ::GlobalFree(savedState_);
  savedState_ = state;
}

void TOleControl::SetInPlaceInterfaces(IOleInPlaceObject* object, IOleInPlaceActiveObject* active) {
  ReleaseInterface(inPlaceObject_);
  ReleaseInterface(activeObject_);
  inPlaceObject_ = object;
  activeObject_ = active;
}

void TOleControl::SetName(TextView name) {
  const Text previous = name_;
  name_ = Text(name);
  if (oleControl_) oleControl_->OnAmbientPropertyChange(kAmbientDisplayName);
  if (!dispatch_ || !(data_.stockFlags & (kStockCaption | kStockText))) return;
  const DISPID id = (data_.stockFlags & kStockCaption) ? kPropertyCaption : kPropertyText;
  try {
    OleVariant current;
    GetOleProperty(*this, id, current.Get());
    if (current.Get().vt != VT_BSTR) return;
    const BSTR text = current.Get().bstrVal;
    if (TextFromOle(text, SysStringLen(text)) != previous) return;
    OleVariant renamed;
    renamed.Get().vt = VT_BSTR;
    renamed.Get().bstrVal = ToOleStr(Utf16FromText(name_));
    SetOleProperty(*this, id, renamed.Get());
  } catch (const EScriptError&) {
    // A control that refuses its caption keeps its own.
  }
}

void TOleControl::Connect() {
  Advise(oleObject_, IID_IPropertyNotifySink, static_cast<IPropertyNotifySink*>(site_), propertyCookie_);
  Advise(oleObject_, data_.eventsId, site_->Events(), eventCookie_);
}

void TOleControl::Disconnect() {
  Unadvise(oleObject_, IID_IPropertyNotifySink, propertyCookie_);
  Unadvise(oleObject_, data_.eventsId, eventCookie_);
}

void TOleControl::ReleaseInterfaces() {
  ReleaseInterface(perPropertyBrowsing_);
  ReleaseInterface(dispatch_);
  ReleaseInterface(oleControl_);
}

void TOleControl::ShutdownOnDestroy(void* control) { static_cast<TOleControl*>(control)->Shutdown(); }

void TOleControl::AfterMessage(const host::kit::TKitMessage& message) {
  if (message.message != WM_SIZE || message.window != Window() || !inPlaceObject_ || placing_) return;
  // The object may move its window again: that second move is its own.
  placing_ = true;
  const RECT position = bounds;
  inPlaceObject_->SetObjectRects(&position, &kUnclipped);
  placing_ = false;
}

void TOleControl::WindowEnding() {
  const auto keep = Retain(this);
  Shutdown();
}

void TOleControl::Shutdown() {
  if (shutDown_) return;
  shutDown_ = true;
  // Deactivated first: the control takes its window down while its site
  // and its object still stand.
  if (inPlaceObject_) inPlaceObject_->InPlaceDeactivate();
  if (Window() && !IsDestroyed()) ::DestroyWindow(Window());
  Disconnect();
  if (oleObject_) {
    oleObject_->Close(OLECLOSE_NOSAVE);
    oleObject_->SetClientSite(nullptr);
  }
  SetInPlaceInterfaces(nullptr, nullptr);
  ReleaseInterfaces();
  ReleaseInterface(persist_);
  ReleaseInterface(oleObject_);
  if (site_) {
    site_->Detach();
    site_->Release();
    site_ = nullptr;
  }
  SetSavedState(nullptr);
}

bool TOleControl::MakeOwnWindow(HWND parentWindow) {
  if (Window() || creatingWindow_) return true;
  if (!oleObject_) RaiseError(QT("OLE control activation failed"));
  creatingWindow_ = true;
  struct Guard {
    bool& flag;
    ~Guard() { flag = false; }
  } guard{creatingWindow_};
  LoadControlFromStream(*this);
  if (miscStatus_ & OLEMISC_INVISIBLEATRUNTIME) return false;
  if (!parentWindow) return true;
  RECT position = bounds;
  oleObject_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, static_cast<IOleClientSite*>(site_), 0, parentWindow,
                     &position);
  if (!inPlaceObject_) RaiseError(QT("OLE control activation failed"));
  HWND window = nullptr;
  if (FAILED(inPlaceObject_->GetWindow(&window)) || !window)
    RaiseError(QT("Could not obtain OLE control window handle"));
  previousProc = reinterpret_cast<WNDPROC>(host::kit::api::GetLong(window, GWLP_WNDPROC));
  host::kit::SetControlUnderCreation(this);
  host::kit::api::SetLong(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&host::kit::KitWndProc));
  host::kit::api::Send(window, WM_NULL, 0, 0);
  host::kit::SetControlUnderCreation(nullptr);
  if (!(style & WS_VISIBLE)) ::ShowWindow(window, SW_HIDE);
  return true;
}

void CreateOleControl(TOleControl& control) {
  if (control.oleObject_) return;
  InitializeOle();
  TOleControlData& data = control.data_;
  if (!control.counted_) {
    ++data.instanceCount;
    control.counted_ = true;
  }
  for (int i = int(control.fonts_.size()); i < data.fontCount; ++i) {
    host::kit::api::FontRecord logFont{};
    logFont.lfHeight = -11;
    logFont.lfCharSet = DEFAULT_CHARSET;
    constexpr char kFace[] = "Tahoma";
    std::copy(std::begin(kFace), std::end(kFace), logFont.lfFaceName);
    control.fonts_.push_back(host::kit::api::CreateFontOf(&logFont));
  }
  CreateControlInstance(control);
  control.InterfaceHook(control.oleObject_);
  CheckOle(control.oleObject_->GetMiscStatus(DVASPECT_CONTENT, &control.miscStatus_));
  control.site_ = control.NewSite();
  if (!(data.creationOptions & kSiteAtPersistence) &&
      ((control.miscStatus_ & OLEMISC_SETCLIENTSITEFIRST) || (data.creationOptions & kSiteAtCreation)))
    CheckOle(control.oleObject_->SetClientSite(static_cast<IOleClientSite*>(control.site_)));
  CheckOle(control.oleObject_->QueryInterface(IID_IPersistStreamInit, reinterpret_cast<void**>(&control.persist_)));
  if (control.miscStatus_ & OLEMISC_INVISIBLEATRUNTIME) control.style &= ~DWORD(WS_VISIBLE);
  if (!(control.miscStatus_ & OLEMISC_SIMPLEFRAME)) control.exStyle = 0;
  control.canFocus_ = !(control.miscStatus_ & (OLEMISC_ACTSLIKELABEL | OLEMISC_NOUIACTIVATE));
  TakeExtent(control);
}

void CreateControlInstance(TOleControl& control) {
  CheckOle(::CoCreateInstance(control.data_.classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                              IID_IOleObject, reinterpret_cast<void**>(&control.oleObject_)));
}

void LoadControlFromStream(TOleControl& control) {
  if (control.loaded_) return;
  control.loaded_ = true;
  IOleObject* object = control.oleObject_;
  if (!object || !control.site_) RaiseError(QT("OLE control activation failed"));
  try {
    IOleClientSite* current = nullptr;
    if (FAILED(object->GetClientSite(&current)) || !current)
      CheckOle(object->SetClientSite(static_cast<IOleClientSite*>(control.site_)));
    if (current) current->Release();
    if (HGLOBAL state = control.savedState_) {
      control.savedState_ = nullptr;
      IStream* stream = nullptr;
      const HRESULT made = ::CreateStreamOnHGlobal(state, TRUE, &stream);
      if (FAILED(made)) {
        ::GlobalFree(state);
        RaiseOleError(made);
      }
      const HRESULT loaded = control.persist_->Load(stream);
      stream->Release();
      CheckOle(loaded);
    } else {
      CheckOle(control.persist_->InitNew());
    }
    CheckOle(object->QueryInterface(IID_IOleControl, reinterpret_cast<void**>(&control.oleControl_)));
    CheckOle(object->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&control.dispatch_)));
    object->QueryInterface(IID_IPerPropertyBrowsing, reinterpret_cast<void**>(&control.perPropertyBrowsing_));
    control.Connect();
    for (const auto& followed : kFollowedStockProperties)
      if (control.data_.stockFlags & followed.flag) control.site_->OnChanged(followed.id);
    control.oleControl_->OnAmbientPropertyChange(DISPID_UNKNOWN);
    TakeExtent(control);
  } catch (...) {
    control.Disconnect();
    control.ReleaseInterfaces();
    throw;
  }
}

void GetOleProperty(TOleControl& control, DISPID id, VARIANT& result) {
  DISPPARAMS none{nullptr, nullptr, 0, 0};
  VariantClear(&result);
  CheckOle(InvokeProperty(control, id, DISPATCH_PROPERTYGET, none, &result));
}

void SetOleProperty(TOleControl& control, DISPID id, const VARIANT& value) {
  VARIANT argument = value;
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params{&argument, &named, 1, 1};
  const WORD flags = value.vt == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
  CheckOle(InvokeProperty(control, id, flags, params, nullptr));
}

}  // namespace host::activex
