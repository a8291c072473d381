// Comparisons. A result of "not comparable" makes "=", "<" and ">" false
// and "<>", "<=" and ">=" true.
#include "runtime/lib/context.h"
#include "runtime/value/predicates.h"
#include "runtime/ops/fast_numbers.h"
#include "runtime/ops/op_routines.h"

namespace runtime {

// Int32 and Double pairs are compared here, as the general rule would.
int CompareOperands(CContext& context, const Value& value, const Value& other) {
  double x, y;
  if (!ReadDoubles(value, other, x, y)) return CompareValues(value, other, context.IsCaseSensitive());
  if (x == y) return kCompareEqual;
  return x < y ? kCompareLess : kCompareGreater;  // unordered doubles give "greater"
}

void EqualValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(CompareOperands(context, value, other) == kCompareEqual);
}

void UnequalValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(CompareOperands(context, value, other) != kCompareEqual);
}

void LessValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(CompareOperands(context, value, other) == kCompareLess);
}

void GreaterValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(CompareOperands(context, value, other) == kCompareGreater);
}

void NotGreaterValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(CompareOperands(context, value, other) != kCompareGreater);
}

void NotLessValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(CompareOperands(context, value, other) != kCompareLess);
}

}  // namespace runtime
