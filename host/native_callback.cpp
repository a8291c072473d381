#include "host/native_callback.h"

#include <vector>

#include "host/error_relay.h"
#include "host/native_call.h"
#include "runtime/builtin/text_storage.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/base/ref.h"

using namespace runtime;

namespace host {

namespace {

// Callbacks made with "ptr" true: their addresses stay valid for the rest of
// the process, so nothing ever releases them.
std::vector<CNativeCallback*>& Immortals() {
  static auto* immortals = new std::vector<CNativeCallback*>();
  return *immortals;
}

}  // namespace

CNativeCallback::CNativeCallback(TextView signature) : signature_(signature) {}

CNativeCallback::~CNativeCallback() {
  if (thunk_) DeleteThunk(thunk_);
}

void* CNativeCallback::Thunk() {
  if (!thunk_) thunk_ = NewThunk(*this);
  return ThunkAddress(thunk_);
}

NativeWord CNativeCallback::Dispatch(const NativeWord* words) noexcept {
  return ErrorRelay::Guard(NativeWord(0), [&] { return Run(words); });
}

NativeWord CNativeCallback::Run(const NativeWord* words) {
  const auto keep = Retain(this);
  auto* args = new CValueList();
  const auto release = Retain(args);
  args->Release();
  for (size_t i = 0; i < CallbackArgCount(signature_); ++i) {
    auto* arg = new CValue(nullptr);
    SetCallbackArg(signature_[i], words[i], arg->OwnValue());
    args->Add(arg);
  }
  const Value& result = Call(*Context(), args);
  if (signature_.back() != 'a') return CallbackResultWord(result);
  std::string copy = ToAnsi(result);
  ansiResult_.swap(copy);
  return reinterpret_cast<NativeWord>(ansiResult_.c_str());
}

CNativeCallback* NativeCallbackOf(const Value& value) {
  return dynamic_cast<CNativeCallback*>(NodeOf(value));
}

void DoToCallback(CContext& context, CNode* receiver, CValueList* args, Value& result) {
  const Text signature = CValueList::GetText(args, QT("type"), QT(""), 1);
  CheckCallbackSignature(signature);
  auto* callback = new CNativeCallback(signature);
  const auto release = Retain(callback);
  callback->Release();
  callback->Bind(receiver->AsValue()->ValueRef(), args, context, 0);
  if (CValueList::GetBool(args, QT("ptr"), false, 2)) {
    SetAddress(result, callback->Thunk());
    callback->AddRef();
    Immortals().push_back(callback);
    return;
  }
  result.SetCountedObject(callback);
}

}  // namespace host
