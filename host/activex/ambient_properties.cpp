// The site's IDispatch answers the control's ambient properties; its
// property notify sink keeps the kit control's colours and enabled state in
// step with the control's stock properties.
#include "host/activex/control_site.h"
#include "host/activex/ole_control.h"
#include "host/com/ole_error.h"
#include "host/com/ole_text.h"
#include "host/com/variant_convert.h"
#include "host/kit/appearance.h"
#include "runtime/sys/sys_util.h"

namespace host::activex {

namespace {

constexpr DISPID kAmbientBackColor = -701;
constexpr DISPID kAmbientDisplayName = -702;
constexpr DISPID kAmbientFont = -703;
constexpr DISPID kAmbientForeColor = -704;
constexpr DISPID kAmbientLocaleId = -705;
constexpr DISPID kAmbientMessageReflect = -706;
constexpr DISPID kAmbientUserMode = -709;
constexpr DISPID kAmbientShowGrabHandles = -710;
constexpr DISPID kAmbientShowHatching = -711;
constexpr DISPID kAmbientDisplayAsDefault = -712;
constexpr DISPID kAmbientSupportsMnemonics = -714;
constexpr DISPID kAmbientAutoClip = -715;

constexpr DISPID kPropertyBackColor = -501;
constexpr DISPID kPropertyForeColor = -513;
constexpr DISPID kPropertyEnabled = -514;

void SetInteger(VARIANT& result, LONG value) {
  result.vt = VT_I4;
  result.lVal = value;
}

void SetBool(VARIANT& result, bool value) {
  result.vt = VT_BOOL;
  result.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

// Runs guarded against its own re-entry; the control's errors stay here.
template <class F>
void Guarded(bool& guard, F&& body) {
  if (guard) return;
  guard = true;
  try {
    body();
  } catch (...) {
  }
  guard = false;
}

}  // namespace

HRESULT TOleCtlIntf::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return S_OK;
}

HRESULT TOleCtlIntf::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT TOleCtlIntf::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS*, VARIANT* result, EXCEPINFO*,
                            UINT*) {
  if (!(flags & DISPATCH_PROPERTYGET) || !result || !control_) return DISP_E_MEMBERNOTFOUND;
  VariantInit(result);
  switch (id) {
    case kAmbientBackColor:
      SetInteger(*result, LONG(control_->background));
      break;
    case kAmbientDisplayName:
      try {
        result->bstrVal = ToOleStr(Utf16FromText(control_->Name()));
      } catch (...) {
        return E_OUTOFMEMORY;
      }
      result->vt = VT_BSTR;
      break;
    case kAmbientFont:
      break;
    case kAmbientForeColor:
      SetInteger(*result, LONG(control_->textColor));
      break;
    case kAmbientLocaleId:
      SetInteger(*result, LONG(::GetUserDefaultLCID()));
      break;
    case kAmbientMessageReflect:
    case kAmbientUserMode:
    case kAmbientSupportsMnemonics:
    case kAmbientAutoClip:
      SetBool(*result, true);
      break;
    case kAmbientShowGrabHandles:
    case kAmbientShowHatching:
    case kAmbientDisplayAsDefault:
      SetBool(*result, false);
      break;
    default:
      return DISP_E_MEMBERNOTFOUND;
  }
  return S_OK;
}

HRESULT TOleCtlIntf::OnChanged(DISPID id) {
  TOleControl* control = control_;
  if (!control || !control->ControlDispatch()) return S_OK;
  auto read = [&](VARIANT& value, VARTYPE type) {
    GetOleProperty(*control, id, value);
    host::CheckOle(VariantChangeType(&value, &value, 0, type));
  };
  switch (id) {
    case kPropertyEnabled:
      Guarded(inEnabled_, [&] {
        host::OleVariant value;
        read(value.Get(), VT_BOOL);
        control->SetEnabled(value.Get().boolVal != VARIANT_FALSE);
      });
      break;
    case kPropertyForeColor:
      Guarded(inForeColor_, [&] {
        host::OleVariant value;
        read(value.Get(), VT_I4);
        host::kit::SetTextColor(*control, uint32_t(value.Get().lVal));
      });
      break;
    case kPropertyBackColor:
      Guarded(inBackColor_, [&] {
        host::OleVariant value;
        read(value.Get(), VT_I4);
        host::kit::SetBackgroundColor(*control, uint32_t(value.Get().lVal));
      });
      break;
    default:
      break;
  }
  return S_OK;
}

}  // namespace host::activex
