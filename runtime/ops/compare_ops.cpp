// Comparisons and "in". A result of "not comparable" makes "=", "<" and ">"
// false and "<>", "<=" and ">=" true.
#include "../lib/context.h"
#include "../tree/object_value.h"
#include "../tree/value_node.h"
#include "../value/predicates.h"
#include "fast_numbers.h"
#include "op_routines.h"

namespace {

// Int32 and Double pairs are compared here, as the general rule would.
int Compare(CContext& context, const Value& value, const Value& other) {
  double x, y;
  if (!ReadDoubles(value, other, x, y)) return CompareValues(value, other, context.IsCaseSensitive());
  if (x == y) return kCompareEqual;
  return x < y ? kCompareLess : kCompareGreater;  // unordered doubles give "greater"
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
