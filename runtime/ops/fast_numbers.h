// Operand tests of the arithmetic fast paths: plain Int32 and Double values
// are read straight from the payload.
#pragma once
#include "runtime/ops/operator.h"
#include "runtime/value/predicates.h"
#include "runtime/value/value.h"

namespace runtime {

inline bool BothInt32(const Value& a, const Value& b) { return a.Type() == varInteger && b.Type() == varInteger; }

inline bool IsFastNumber(const Value& v) { return v.Type() == varInteger || v.Type() == varDouble; }

inline double FastDouble(const Value& v) { return v.Type() == varInteger ? v.AsInt32Raw() : v.AsDoubleRaw(); }

// Both operands Int32 or Double; gives them as doubles.
inline bool ReadDoubles(const Value& a, const Value& b, double& x, double& y) {
  if (!IsFastNumber(a) || !IsFastNumber(b)) return false;
  x = FastDouble(a);
  y = FastDouble(b);
  return true;
}

// An arithmetic operator on two Int32 operands whose result needs neither
// widening nor an error; false leaves the case to the operator's routine.
// Division runs in 32 bits: a zero divisor and -1 (the smallest Int32
// divided by -1) are the routine's.
inline bool Int32Arith(Operator op, int32_t x, int32_t y, int32_t& r) {
  switch (op) {
    case Operator::kAdd: return !__builtin_add_overflow(x, y, &r);
    case Operator::kSubtract: return !__builtin_sub_overflow(x, y, &r);
    case Operator::kMultiply: return !__builtin_mul_overflow(x, y, &r);
    case Operator::kDiv:
      if (y == 0 || y == -1) return false;
      r = x / y;
      return true;
    case Operator::kMod:
      if (y == 0 || y == -1) return false;
      r = x % y;
      return true;
    default: return false;
  }
}

inline bool IsInt32Arith(Operator op) {
  return op == Operator::kAdd || op == Operator::kSubtract || op == Operator::kMultiply || op == Operator::kDiv ||
         op == Operator::kMod;
}

inline bool IsComparison(Operator op) {
  return op == Operator::kEqual || op == Operator::kUnequal || op == Operator::kLess || op == Operator::kGreater ||
         op == Operator::kNotGreater || op == Operator::kNotLess;
}

// What a comparison operator gives for a result of CompareValues: "not
// comparable" makes "=", "<" and ">" false and the others true.
inline bool ComparisonHolds(Operator op, int comparison) {
  switch (op) {
    case Operator::kEqual: return comparison == kCompareEqual;
    case Operator::kUnequal: return comparison != kCompareEqual;
    case Operator::kLess: return comparison == kCompareLess;
    case Operator::kGreater: return comparison == kCompareGreater;
    case Operator::kNotGreater: return comparison != kCompareGreater;
    default: return comparison != kCompareLess;
  }
}

// An arithmetic or comparison operator on two Int32 operands, where the
// result needs no widening and no error; false leaves it to the routine.
inline bool ApplyInt32(Operator op, int32_t x, int32_t y, Value& out) {
  if (IsComparison(op)) {
    out.SetBool(ComparisonHolds(op, x == y ? kCompareEqual : x < y ? kCompareLess : kCompareGreater));
    return true;
  }
  int32_t r;
  if (!Int32Arith(op, x, y, r)) return false;
  out.SetInt(r);
  return true;
}

}  // namespace runtime
