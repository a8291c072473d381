#include "host/com/event_sink.h"

#include <algorithm>

#include "host/com/new_obj.h"
#include "host/com/ole_error.h"
#include "host/com/ole_text.h"
#include "host/com/variant_convert.h"
#include "host/error_relay.h"
#include "runtime/builtin/builtin_args.h"
#include "runtime/error.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/text_access.h"
#include "runtime/base/ref.h"

using namespace runtime;

namespace host {

namespace {

// ASCII letters without regard to case, as script names.
bool SameNameIgnoringCase(const std::u16string& a, const std::u16string& b) {
  auto fold = [](char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char16_t x, char16_t y) { return fold(x) == fold(y); });
}

// The script error as the caller of Invoke reads it.
void DescribeError(EXCEPINFO* exception, const Text& message) {
  if (!exception) return;
  *exception = EXCEPINFO{};
  exception->bstrSource = SysAllocString(L"Qel");
  exception->bstrDescription = ToOleStr(OleTextOf(message));
  exception->scode = DISP_E_EXCEPTION;
}

IDispatch* DispatchOf(const Value& value) {
  auto* unknown = static_cast<IUnknown*>(value.Pointer());
  IDispatch* dispatch = nullptr;
  if ((value.Type() != varDispatch && value.Type() != varUnknown) || !unknown ||
      FAILED(unknown->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch))))
    RaiseError(QT("Invalid variant type conversion"));
  return dispatch;
}

}  // namespace

void COleEventSink::Connect(IDispatch* source, const IID& events, TextView dispIds) {
  events_ = events;
  hasEvents_ = true;
  // Filled in place: MinGW's -Wrestrict mistakes "," + text + "," for an overlap.
  Text filter(dispIds.size() + 2, ',');
  std::copy(dispIds.begin(), dispIds.end(), filter.begin() + 1);
  filter_ = std::move(filter);
  IConnectionPointContainer* container = nullptr;
  CheckOle(source->QueryInterface(IID_IConnectionPointContainer, reinterpret_cast<void**>(&container)));
  IConnectionPoint* point = nullptr;
  HRESULT status = container->FindConnectionPoint(events, &point);
  container->Release();
  CheckOle(status);
  status = point->Advise(&dispatch_, &cookie_);
  point->Release();
  CheckOle(status);
}

bool COleEventSink::Fires(DISPID id) const {
  if (!Connected()) return true;
  Text entry(1, ',');
  for (char c : std::to_string(long(id))) entry.push_back(Char(c));
  entry.push_back(',');
  return filter_.find(entry) != Text::npos;
}

void COleEventSink::Fire(const DISPPARAMS* params, VARIANT* result) {
  const auto keep = Retain(this);
  auto* args = new CValueList();
  const auto release = Retain(args);
  args->Release();
  if (params) {
    // The last element is the first argument; named ones stand before the positional ones.
    for (UINT i = params->cArgs; i > params->cNamedArgs; --i) {
      auto* arg = new CValue(nullptr);
      args->Add(arg);
      FromVariant(params->rgvarg[i - 1], arg->OwnValue());
    }
  }
  const Value& returned = Call(*Context(), args);
  if (result) {
    VariantInit(result);
    ToVariant(returned, *result);
  }
}

DISPID COleEventSink::IdOfName(const std::u16string& name) {
  for (size_t i = 0; i < names_.size(); ++i)
    if (SameNameIgnoringCase(names_[i], name)) return DISPID(i + 1);
  names_.push_back(name);
  return DISPID(names_.size());
}

HRESULT COleEventSink::CSinkDispatch::QueryInterface(REFIID riid, void** object) {
  if (!object) return E_POINTER;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
      (sink_.hasEvents_ && IsEqualIID(riid, sink_.events_))) {
    *object = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *object = nullptr;
  return E_NOINTERFACE;
}

ULONG COleEventSink::CSinkDispatch::AddRef() { return ULONG(sink_.AddRef()); }

ULONG COleEventSink::CSinkDispatch::Release() { return ULONG(sink_.Release()); }

HRESULT COleEventSink::CSinkDispatch::GetTypeInfoCount(UINT* count) {
  if (count) *count = 0;
  return E_NOTIMPL;
}

HRESULT COleEventSink::CSinkDispatch::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
  if (info) *info = nullptr;
  return E_NOTIMPL;
}

HRESULT COleEventSink::CSinkDispatch::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
  if (!names || !ids) return E_POINTER;
  try {
    for (UINT i = 0; i < count; ++i) {
      const wchar_t* name = names[i] ? names[i] : L"";
      ids[i] = sink_.IdOfName(std::u16string(name, name + wcslen(name)));
    }
  } catch (...) {
    return E_OUTOFMEMORY;
  }
  return S_OK;
}

HRESULT COleEventSink::CSinkDispatch::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT* result,
                                             EXCEPINFO* exception, UINT*) {
  return ErrorRelay::Guard(HRESULT(DISP_E_EXCEPTION), [&]() -> HRESULT {
    if (!sink_.Fires(id)) return S_OK;
    try {
      sink_.Fire(params, result);
    } catch (const EScriptError& error) {
      DescribeError(exception, error.Message());
      throw;
    } catch (const std::exception& error) {
      DescribeError(exception, TextFromAscii(error.what()));
      throw;
    }
    return S_OK;
  });
}

void DoToEvent(CContext& context, CNode* receiver, CValueList* args, Value& result) {
  auto* sink = new COleEventSink();
  const auto release = Retain(sink);
  sink->Release();
  sink->Bind(ReceiverValue(receiver), args, context, 0);
  CValue* source = CValueList::GetArg(args, QT("Source"), 1);
  CValue* events = CValueList::GetArg(args, QT("EventID"), 2);
  CValue* dispIds = CValueList::GetArg(args, QT("DispIDs"), 3);
  if (source) {
    IDispatch* dispatch = DispatchOf(source->ValueRef());
    try {
      if (events && dispIds)
        sink->Connect(dispatch, ClassIdFromName(ToText(events->ValueRef())), ToText(dispIds->ValueRef()));
    } catch (...) {
      dispatch->Release();
      throw;
    }
    dispatch->Release();
  }
  sink->Dispatch()->AddRef();
  result.AdoptInterface(sink->Dispatch());
}

}  // namespace host
