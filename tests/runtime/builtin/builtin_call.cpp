#include "builtin_call.h"

#include "runtime/builtin/builtin_library.h"
#include "runtime/tree/value_node.h"
#include "runtime/tree/variable.h"
#include "runtime/base/ref.h"

using namespace runtime;

namespace {

CValueList* NewArgumentList(const BuiltinArgs& args) {
  if (args.empty()) return nullptr;
  auto* list = new CValueList();
  for (const BuiltinArg& arg : args) {
    CValue* item = arg.node;
    if (item) {
      item->AddRef();
    } else {
      item = new CValue(nullptr, arg.value);
      item->SetName(TextFromAscii(arg.name));
    }
    list->Add(item);
  }
  return list;
}

}  // namespace

Value CallBuiltinOn(CValue* receiver, const char* name, const BuiltinArgs& args) {
  auto* library = new CBuiltinLibrary();
  const auto keepLibrary = Retain(library);
  library->Release();
  auto* context = new CContext();
  const auto keepContext = Retain(context);
  context->Release();
  CValueList* list = NewArgumentList(args);
  const auto keepList = Retain(list);
  ReleaseObject(list);
  Value result;
  if (!library->Call(*context, receiver, CallKind::kCall, result, list, TextFromAscii(name)))
    ADD_FAILURE() << "no built-in " << name;
  return result;
}

Value CallBuiltin(const char* name, const Value& receiver, const BuiltinArgs& args) {
  auto* node = new CValue(nullptr, receiver);
  const auto keep = Retain(node);
  node->Release();
  return CallBuiltinOn(node, name, args);
}

std::string BuiltinErrorOn(CValue* receiver, const char* name, const BuiltinArgs& args) {
  try {
    CallBuiltinOn(receiver, name, args);
  } catch (const EScriptError& e) {
    return e.what();
  }
  return "no error";
}

std::string BuiltinError(const char* name, const Value& receiver, const BuiltinArgs& args) {
  try {
    CallBuiltin(name, receiver, args);
  } catch (const EScriptError& e) {
    return e.what();
  }
  return "no error";
}

CValue* NewVariable(const Value& value) {
  auto* variable = new CVariable(nullptr);
  variable->SetValue(value);
  return variable;
}
