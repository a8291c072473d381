#include "host/activex/event_dispatch.h"

#include "host/activex/control_site.h"
#include "host/activex/ole_control.h"
#include "host/error_relay.h"
#include "host/kit/kit_api.h"
#include "host/kit/window_proc.h"
#include "runtime/base/ref.h"

namespace host::activex {

namespace {

using host::kit::TKitMessage;

TKitMessage ControlMessage(TOleControl& control, UINT message, WPARAM wParam, LPARAM lParam) {
  return TKitMessage{control.Window(), message, wParam, lParam, 0};
}

// The parameter in the natural order (DISPPARAMS holds the last one first).
const VARIANT* Parameter(const DISPPARAMS* params, UINT index) {
  if (!params || index >= params->cArgs) return nullptr;
  return &params->rgvarg[params->cArgs - 1 - index];
}

LONG IntegerOf(const VARIANT* parameter) {
  VARIANT copy;
  VariantInit(&copy);
  LONG value = 0;
  if (parameter && SUCCEEDED(VariantChangeType(&copy, const_cast<VARIANT*>(parameter), 0, VT_I4))) value = copy.lVal;
  VariantClear(&copy);
  return value;
}

void Click(TOleControl& control) {
  HWND window = control.Window();
  if (control.id != 0 && control.Parent() && control.Parent()->Window()) {
    // To the parent, which reflects it to the control as kit children's commands are.
    host::kit::api::Send(control.Parent()->Window(), WM_COMMAND, MAKEWPARAM(control.id, BN_CLICKED), LPARAM(window));
    return;
  }
  TKitMessage down = ControlMessage(control, WM_LBUTTONDOWN, MK_LBUTTON, 0);
  host::kit::OfferToMessageEvents(control, down);
  TKitMessage up = ControlMessage(control, WM_LBUTTONUP, 0, 0);
  host::kit::OfferToMessageEvents(control, up);
}

void DoubleClick(TOleControl& control) {
  POINT cursor{};
  ::GetCursorPos(&cursor);
  if (control.Window()) ::ScreenToClient(control.Window(), &cursor);
  TKitMessage message = ControlMessage(control, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(cursor.x, cursor.y));
  host::kit::OfferToMessageEvents(control, message);
}

void KeyPress(TOleControl& control, const DISPPARAMS* params) {
  const VARIANT* key = Parameter(params, 0);
  if (!key) return;
  TKitMessage message = ControlMessage(control, WM_CHAR, WPARAM(IntegerOf(key)), 0);
  host::kit::OfferToMessageEvents(control, message);
  // The events may have changed the character; a by-reference one goes back.
  if (key->vt == (VT_BYREF | VT_I2) && key->piVal) *key->piVal = SHORT(message.wParam);
  else if (key->vt == (VT_BYREF | VT_I4) && key->plVal) *key->plVal = LONG(message.wParam);
}

// The one word a newer handler gets.
uintptr_t EventWord(const DISPPARAMS* params) {
  for (UINT i = 0; params && i < params->cArgs; ++i) {
    const VARIANT* parameter = Parameter(params, i);
    const VARTYPE base = parameter->vt & VT_TYPEMASK;
    if (parameter->vt & VT_ARRAY) return reinterpret_cast<uintptr_t>(parameter);
    if (base >= VT_R4 && base <= VT_DATE) continue;
    if (parameter->vt & VT_BYREF) return reinterpret_cast<uintptr_t>(parameter->byref);
    switch (base) {
      case VT_I1: case VT_UI1: return uintptr_t(parameter->bVal);
      case VT_I2: case VT_UI2: case VT_BOOL: return uintptr_t(uint16_t(parameter->iVal));
      case VT_I4: case VT_UI4: case VT_INT: case VT_UINT: case VT_ERROR: return uintptr_t(uint32_t(parameter->lVal));
      default: return reinterpret_cast<uintptr_t>(parameter->byref);
    }
  }
  return 0;
}

}  // namespace

HRESULT TEventDispatch::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  TOleControl* control = site_.Control();
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
      (control && IsEqualIID(riid, control->Data().eventsId))) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  return E_NOINTERFACE;
}

ULONG TEventDispatch::AddRef() { return site_.AddRef(); }

ULONG TEventDispatch::Release() { return site_.Release(); }

HRESULT TEventDispatch::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return S_OK;
}

HRESULT TEventDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT TEventDispatch::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }

HRESULT TEventDispatch::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
  TOleControl* control = site_.Control();
  if (!control) return S_OK;
  const auto keep = Retain(control);
  if (id >= kStockMouseUp && id <= kStockClick)
    FireStockEvent(*control, id, params);
  else
    FireControlEvent(*control, id, params);
  return S_OK;
}

void FireStockEvent(TOleControl& control, DISPID id, const DISPPARAMS* params) {
  ErrorRelay::Guard(0, [&] {
    const UINT count = params ? params->cArgs : 0;
    switch (id) {
      case kStockClick:
        Click(control);
        break;
      case kStockDblClick:
        DoubleClick(control);
        break;
      case kStockKeyDown:
      case kStockKeyUp:
        if (count >= 2) {
          TKitMessage message = ControlMessage(control, id == kStockKeyDown ? WM_KEYDOWN : WM_KEYUP,
                                               WPARAM(IntegerOf(Parameter(params, 0))), 0);
          host::kit::OfferToMessageEvents(control, message);
        }
        break;
      case kStockKeyPress:
        if (count >= 1) KeyPress(control, params);
        break;
      default:
        // Mouse down, move and up: the kit has its own mouse messages.
        break;
    }
    return 0;
  });
}

void FireControlEvent(TOleControl& control, DISPID id, const DISPPARAMS* params) {
  // Kinds older than the one-word handlers took an argument block that no
  // kind of ours uses: their events reach nothing.
  if (control.Data().version < kOneWordEventsVersion) return;
  TOleEventSlot* slot = control.EventSlot(id);
  if (!slot || slot->Empty()) return;
  const TOleEventSlot handler = *slot;
  const uintptr_t word = EventWord(params);
  ErrorRelay::Guard(0, [&] {
    handler.code(handler.data, control, word);
    return 0;
  });
}

}  // namespace host::activex
