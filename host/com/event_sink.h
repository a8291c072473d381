// "@toEvent": a script function as an IDispatch event sink. Connected to a
// source's connection point it fires for the DISPIDs of its filter; an
// unconnected sink (handed to a page, or to a script engine) fires for every
// call, by DISPID or by name.
//
// The connection point holds a connected sink, and the sink holds nothing of
// the source: it lives while the source keeps it, and a source the script
// lets go of ends its sinks with it instead of the two keeping each other.
#pragma once
#include <windows.h>
#include <ole2.h>
#include <ocidl.h>

#include <vector>

#include "runtime/callback/callback_binding.h"

namespace runtime {
class CValueList;
}  // namespace runtime

namespace host {

using namespace runtime;

class COleEventSink : public CCallbackBinding {
public:
  // The interface COM sees; its count is the sink's own.
  IDispatch* Dispatch() { return &dispatch_; }
  bool Connected() const { return cookie_ != 0; }
  // Keeps the event interface and the filter, and advises the sink to the
  // source's connection point for that interface.
  void Connect(IDispatch* source, const IID& events, TextView dispIds);

private:
  class CSinkDispatch : public IDispatch {
  public:
    explicit CSinkDispatch(COleEventSink& sink) : sink_(sink) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* badArgument) override;

  private:
    COleEventSink& sink_;
  };

  bool Fires(DISPID id) const;
  void Fire(const DISPPARAMS* params, VARIANT* result);
  DISPID IdOfName(const std::u16string& name);

  CSinkDispatch dispatch_{*this};
  DWORD cookie_ = 0;
  Text filter_;
  IID events_{};
  bool hasEvents_ = false;
  // Names callers asked for, DISPID = position + 1.
  std::vector<std::u16string> names_;
};

// "@toEvent" on a script function: "obj" (0), "Source" (1), "EventID" (2),
// "DispIDs" (3), "thread".
void DoToEvent(CContext& context, CNode* receiver, CValueList* args, Value& result);

}  // namespace host
