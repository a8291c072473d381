#include "runtime/callback/callback_binding.h"

#include <optional>

#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/function.h"
#include "runtime/tree/value_node.h"

namespace runtime {

CCallbackBinding::~CCallbackBinding() {
  ReleaseObject(context_);
  ReleaseObject(function_);
}

void CCallbackBinding::Bind(const Value& function, CValueList* options, CContext& calling, int32_t objectPosition) {
  CFunction* bound = FunctionOf(function);
  if (!bound) RaiseError(QT("A callback needs a script function"));
  bound->AddRef();
  ReleaseObject(function_);
  function_ = bound;
  CValue* object = CValueList::GetArg(options, QT("obj"), objectPosition);
  object_ = object ? object->ValueRef() : Value();
  CContext* context = CValueList::GetBool(options, QT("thread"), false, -1) ? calling.NewContext() : &calling;
  if (context == &calling) calling.AddRef();
  ReleaseObject(context_);
  context_ = context;
}

const Value& CCallbackBinding::Call(CContext& context, CValueList* args) {
  if (!function_) return DefaultValue();
  CBaseRef keep(this);
  std::optional<CInstanceBinding> binding;
  CClassInstance* instance = ClassInstanceOf(object_);
  if (instance && !instance->Class()->IsBoundTo(instance)) binding.emplace(instance);
  return function_->Call(context, args);
}

}  // namespace runtime
