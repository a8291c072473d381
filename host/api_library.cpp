#include "host/api_library.h"

#include "host/native_function.h"

using namespace runtime;

namespace host {

namespace {

CNativeFunction* ReceiverFunction(CNode* receiver) {
  CValue* value = receiver ? receiver->AsValue() : nullptr;
  return value ? NativeFunctionOf(value->ValueRef()) : nullptr;
}

}  // namespace

bool CApiLibrary::Accepts(CNode* receiver) { return ReceiverFunction(receiver) != nullptr; }

bool CApiLibrary::Call(CContext& context, CNode* receiver, CallKind, Value& result, CValueList* args, TextView) {
  result = ReceiverFunction(receiver)->Call(context, args);
  return true;
}

}  // namespace host
