#include "host/com/dispatcher.h"

#include <algorithm>

#include "host/com/ole_error.h"
#include "host/com/ole_text.h"
#include "runtime/error.h"

using namespace runtime;

namespace host {

namespace {

constexpr size_t kMaxArguments = 64;

DISPID MemberId(IDispatch* object, const std::u16string& name) {
  // The whole name as it stands: no width limit and no narrowing of its characters.
  std::wstring wide(name.begin(), name.end());
  LPOLESTR names[] = {wide.data()};
  DISPID id = DISPID_UNKNOWN;
  if (FAILED(object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id)))
    RaiseError(QT("Method '") + TextFromOle(wide.data(), wide.size()) +
               QT("' not supported by automation object"));
  return id;
}

}  // namespace

void RaiseInvokeError(HRESULT status, EXCEPINFO& info) {
  if (info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
  Text message;
  if (info.bstrDescription) message = TextFromOle(info.bstrDescription, SysStringLen(info.bstrDescription));
  const HRESULT code = info.scode ? info.scode : info.wCode ? MAKE_HRESULT(1, FACILITY_ITF, info.wCode) : status;
  SysFreeString(info.bstrSource);
  SysFreeString(info.bstrDescription);
  SysFreeString(info.bstrHelpFile);
  while (!message.empty() && (message.back() == '\r' || message.back() == '\n')) message.pop_back();
  RaiseError(message.empty() ? OleErrorText(code) : message);
}

void InvokeMember(IDispatch* object, const std::u16string& name, CallKind kind, std::vector<VARIANT>& args,
                  VARIANT* result) {
  if (args.size() > kMaxArguments) RaiseError(QT("Dispatch methods do not support more than 64 parameters"));
  const DISPID id = MemberId(object, name);
  // DISPPARAMS wants the last argument first.
  std::vector<VARIANT> reversed(args.rbegin(), args.rend());
  DISPPARAMS params{reversed.data(), nullptr, UINT(reversed.size()), 0};
  DISPID putId = DISPID_PROPERTYPUT;
  WORD flags = DISPATCH_METHOD;
  if (kind == CallKind::kRead) {
    flags = DISPATCH_PROPERTYGET;
  } else if (kind == CallKind::kWrite) {
    flags = !args.empty() && args.back().vt == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    params.rgdispidNamedArgs = &putId;
    params.cNamedArgs = 1;
    result = nullptr;
  } else if (args.empty() && result) {
    flags = DISPATCH_METHOD | DISPATCH_PROPERTYGET;
  }
  EXCEPINFO info{};
  UINT badArgument = 0;
  const HRESULT status =
      object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &info, &badArgument);
  if (status == DISP_E_EXCEPTION) RaiseInvokeError(status, info);
  CheckOle(status);
}

}  // namespace host
