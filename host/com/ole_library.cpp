#include "host/com/ole_library.h"

#include <windows.h>
#include <ole2.h>

#include <vector>

#include "host/com/dispatcher.h"
#include "host/com/ole_text.h"
#include "host/com/variant_convert.h"
#include "host/error_relay.h"
#include "runtime/error.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/value_node.h"

using namespace runtime;

namespace host {

namespace {

// The arguments of one invocation. Integer variables go by reference to a
// slot of their own, written back after the call, so the server never sees
// a script value's memory.
class OutgoingArgs {
public:
  explicit OutgoingArgs(size_t count) : variants_(count), slots_(count, 0), variables_(count, nullptr) {
    for (VARIANT& v : variants_) VariantInit(&v);
  }
  ~OutgoingArgs() {
    for (VARIANT& v : variants_) VariantClear(&v);
  }

  void Set(size_t i, CValue* item) {
    const Value& value = item ? item->ValueRef() : DefaultValue();
    if (item && item->IsVariable() && value.Type() == varInteger) {
      slots_[i] = value.AsInt32Raw();
      variables_[i] = item;
      variants_[i].vt = VT_BYREF | VT_I4;
      variants_[i].plVal = &slots_[i];
      return;
    }
    ToVariant(value, variants_[i]);
  }
  void SetValue(size_t i, const Value& value) { ToVariant(value, variants_[i]); }

  void WriteBack() {
    for (size_t i = 0; i < variables_.size(); ++i)
      if (variables_[i]) variables_[i]->WritableRef().SetInt(slots_[i]);
  }

  std::vector<VARIANT>& Variants() { return variants_; }

private:
  std::vector<VARIANT> variants_;
  std::vector<LONG> slots_;
  std::vector<CValue*> variables_;
};

}  // namespace

bool CLole::Accepts(CNode* receiver) {
  CValue* value = receiver ? receiver->AsValue() : nullptr;
  return value && value->ValueRef().Type() == varDispatch && value->ValueRef().Pointer();
}

bool CLole::Call(CContext&, CNode* receiver, CallKind kind, Value& result, CValueList* args, TextView name) {
  // The receiver's value may be replaced by what the call runs; keep the object.
  const Value object = receiver->AsValue()->ValueRef();
  bool putFromArgs = false;
  if (kind == CallKind::kCall && !name.empty() && name[0] == '@') {
    name.remove_prefix(1);
    kind = CallKind::kRead;
    if (!name.empty() && name[0] == '@') {
      name.remove_prefix(1);
      kind = CallKind::kWrite;
      putFromArgs = true;
    }
  }
  const size_t listed = size_t(CValueList::ArgCount(args));
  if (putFromArgs && listed == 0)
    RaiseError(QT("@@") + Text(name) + QT(" needs the value to put as its last argument"));
  const bool putFromResult = kind == CallKind::kWrite && !putFromArgs;
  OutgoingArgs outgoing(listed + (putFromResult ? 1 : 0));
  for (size_t i = 0; i < listed; ++i) outgoing.Set(i, args->At(int32_t(i)));
  if (putFromResult) outgoing.SetValue(listed, result);

  OleVariant returned;
  try {
    InvokeMember(static_cast<IDispatch*>(object.Pointer()), OleTextOf(name), kind, outgoing.Variants(),
                 kind == CallKind::kWrite ? nullptr : &returned);
  } catch (...) {
    // A script error inside an event of this call caused the failure: it is the one to report.
    ErrorRelay::RaisePending();
    throw;
  }
  ErrorRelay::RaisePending();
  outgoing.WriteBack();
  if (kind != CallKind::kWrite) FromVariant(returned.Get(), result);
  return true;
}

}  // namespace host
