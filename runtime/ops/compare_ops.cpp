// Comparisons, "in" and matching. A result of "not comparable" makes "=", "<"
// and ">" false and "<>", "<=" and ">=" true.
#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/predicates.h"
#include "runtime/ops/fast_numbers.h"
#include "runtime/ops/op_routines.h"
#include "runtime/base/ref.h"

namespace runtime {

namespace {

// Int32 and Double pairs are compared here, as the general rule would.
int Compare(CContext& context, const Value& value, const Value& other) {
  double x, y;
  if (!ReadDoubles(value, other, x, y)) return CompareValues(value, other, context.IsCaseSensitive());
  if (x == y) return kCompareEqual;
  return x < y ? kCompareLess : kCompareGreater;  // unordered doubles give "greater"
}

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

void EqualValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(Compare(context, value, other) == kCompareEqual);
}

void UnequalValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(Compare(context, value, other) != kCompareEqual);
}

void LessValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(Compare(context, value, other) == kCompareLess);
}

void GreaterValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(Compare(context, value, other) == kCompareGreater);
}

void NotGreaterValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(Compare(context, value, other) != kCompareGreater);
}

void NotLessValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(Compare(context, value, other) != kCompareLess);
}

// Elements are visited by position; a hole reads as null.
void MemberOfValues(CContext& context, Value& value, const Value& other) {
  bool found = false;
  if (CObjectValue* object = ScriptObjectOf(other))
    for (int32_t i = 0; i < object->MemberCount() && !found; ++i)
      found = Compare(context, value, object->Members()->ValueAt(i)) == kCompareEqual;
  value.SetBool(found);
}

// "=~" and "!~" ask the library chain for "match" on the left value with the
// right value as the one argument, as the call left.match(right) would.
void MatchValues(CContext& context, Value& value, const Value& other) { value = CallMatch(context, value, other); }

void NoMatchValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(!ValueToBool(CallMatch(context, value, other)));
}

}  // namespace runtime
