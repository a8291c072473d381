// A script function bound for host code to call back, optionally with an
// object to be "this" and a context of its own.
#pragma once
#include "runtime/base/ref.h"
#include "runtime/lib/context.h"
#include "runtime/tree/function.h"
#include "runtime/tree/node.h"

namespace runtime {

class CCallbackBinding : public CNode {
public:
  CCallbackBinding() : CNode(nullptr) {}
  ~CCallbackBinding() override;

  // Options: "obj" (by name, or at objectPosition when that is not -1) gives
  // the object, "thread" true a new context instead of the calling one.
  void Bind(const Value& function, CValueList* options, CContext& calling, int32_t objectPosition = -1);
  // A bound class instance is "this" for the call; any other bound object is
  // not treated as one.
  const Value& Call(CContext& context, CValueList* args) override;

  CFunction* Function() const { return function_; }
  const Value& BoundObject() const { return object_; }
  // The context host callers run the binding under.
  CContext* Context() const { return context_; }

private:
  Ref<CFunction> function_;
  Value object_;
  Ref<CContext> context_;
};

}  // namespace runtime
