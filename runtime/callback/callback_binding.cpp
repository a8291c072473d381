#include "runtime/callback/callback_binding.h"

#include <optional>

#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/function.h"
#include "runtime/tree/value_node.h"
#include "runtime/base/ref.h"

namespace runtime {

CCallbackBinding::~CCallbackBinding() = default;

void CCallbackBinding::Bind(const Value& function, CValueList* options, CContext& calling, int32_t objectPosition) {
  CFunction* bound = FunctionOf(function);
  if (!bound) RaiseError(QT("A callback needs a script function"));
  function_ = Retain(bound);
  CValue* object = CValueList::GetArg(options, QT("obj"), objectPosition);
  object_ = object ? object->ValueRef() : Value();
  context_ = CValueList::GetBool(options, QT("thread"), false, -1) ? Adopt(calling.NewContext()) : Retain(&calling);
}

const Value& CCallbackBinding::Call(CContext& context, CValueList* args) {
  if (!function_) return DefaultValue();
  const Ref<CCallbackBinding> keep = Retain(this);
  std::optional<CInstanceBinding> binding;
  CClassInstance* instance = ClassInstanceOf(object_);
  if (instance && !instance->Class()->IsBoundTo(instance)) binding.emplace(instance);
  return function_->Call(context, args);
}

}  // namespace runtime
