// The operators that read script objects or ask the library chain: "in",
// "=~" and "!~". The operator table names them; they live with the tree so
// that the operators stay below it.
#include "runtime/base/ref.h"
#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "runtime/ops/op_routines.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/predicates.h"

namespace runtime {

namespace {

// Fresh nodes for every match: a library may keep the receiver or its
// arguments (a match value keeps its subject).
Value CallMatch(CContext& context, const Value& subject, const Value& pattern) {
  const Ref<CValue> receiver = MakeRef<CValue>(nullptr, subject);
  const Ref<CValueList> args = MakeRef<CValueList>();
  args->Add(new CValue(nullptr, pattern));
  Value result;
  if (!context.Call(receiver, QT("match"), CallKind::kCall, result, args)) RaiseError(QT(".match not found"));
  return result;
}

}  // namespace

// Elements are visited by position; a hole reads as null.
void MemberOfValues(CContext& context, Value& value, const Value& other) {
  bool found = false;
  if (CObjectValue* object = ScriptObjectOf(other))
    for (int32_t i = 0; i < object->MemberCount() && !found; ++i)
      found = CompareOperands(context, value, object->Members()->ValueAt(i)) == kCompareEqual;
  value.SetBool(found);
}

// As the call left.match(right) would, with the right value as the one argument.
void MatchValues(CContext& context, Value& value, const Value& other) { value = CallMatch(context, value, other); }

void NoMatchValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(!ValueToBool(CallMatch(context, value, other)));
}

}  // namespace runtime
