// Comparisons; ComparisonHolds gives what "not comparable" makes of each.
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
  value.SetBool(ComparisonHolds(Operator::kEqual, CompareOperands(context, value, other)));
}

void UnequalValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(ComparisonHolds(Operator::kUnequal, CompareOperands(context, value, other)));
}

void LessValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(ComparisonHolds(Operator::kLess, CompareOperands(context, value, other)));
}

void GreaterValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(ComparisonHolds(Operator::kGreater, CompareOperands(context, value, other)));
}

void NotGreaterValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(ComparisonHolds(Operator::kNotGreater, CompareOperands(context, value, other)));
}

void NotLessValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(ComparisonHolds(Operator::kNotLess, CompareOperands(context, value, other)));
}

}  // namespace runtime
