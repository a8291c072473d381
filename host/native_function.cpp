#include "host/native_function.h"

#include "host/error_relay.h"
#include "host/native_args.h"
#include "runtime/builtin/builtin_args.h"
#include "runtime/builtin/text_storage.h"
#include "runtime/error.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/base/ref.h"

using namespace runtime;

namespace host {

CNativeFunction::CNativeFunction(TextView signature, void* address, platform::LibraryHandle library)
    : CValue(nullptr), signature_(signature), address_(address), library_(library) {}

CNativeFunction::~CNativeFunction() { CSysUtil::FreeLibrary(library_); }

const Value& CNativeFunction::Call(CContext&, CValueList* args) {
  const auto keep = Retain(this);
  const CNativeArgs words(signature_, args);
  const Char resultLetter = signature_.back();
  const NativeWord result = CallExport(address_, words.Words(), resultLetter);
  // A script error in a callback of this call surfaces here, in script code.
  ErrorRelay::RaisePending();
  SetCallResult(resultLetter, result, value_);
  return value_;
}

CNativeFunction* NativeFunctionOf(const Value& value) {
  return dynamic_cast<CNativeFunction*>(NodeOf(value));
}

// Everything that may fail is read before the library is loaded, so no
// failure leaves it loaded.
void DoGetApi(CContext&, CNode* receiver, CValueList* args, Value& result) {
  const Text signature = CValueList::GetText(args, QT("type"), QT(""), 1);
  CheckCallSignature(signature);
  CValue* name = CValueList::GetArg(args, QT("name"), 0);
  const bool byAddress = name && IsIntegerLike(name->ValueRef());
  void* address = nullptr;
  Text exportName;
  if (byAddress) {
    address = reinterpret_cast<void*>(AddressFromValue(name->ValueRef()));
    if (!address) RaiseError(QT("GetApi: there is no function at address 0"));
  } else if (name) {
    exportName = ToText(name->ValueRef());
  }
  const Text file = ReceiverText(receiver);
  platform::LibraryHandle library = file.empty() ? nullptr : LoadLibraryChecked(file);
  if (!byAddress) address = GetProcAddressChecked(library, exportName);
  auto* function = new CNativeFunction(signature, address, library);
  result.SetCountedObject(function);
  function->Release();
}

}  // namespace host
