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

// The operators with an Int32 fast path, numbered densely so that a node
// that knows its operator picks the operation from a short table.
enum class Int32Op : uint8_t {
  kAdd, kSubtract, kMultiply, kDiv, kMod,
  kEqual, kUnequal, kLess, kGreater, kNotGreater, kNotLess,
  kNone
};

constexpr Int32Op Int32OpOf(Operator op) {
  switch (op) {
    case Operator::kAdd: return Int32Op::kAdd;
    case Operator::kSubtract: return Int32Op::kSubtract;
    case Operator::kMultiply: return Int32Op::kMultiply;
    case Operator::kDiv: return Int32Op::kDiv;
    case Operator::kMod: return Int32Op::kMod;
    case Operator::kEqual: return Int32Op::kEqual;
    case Operator::kUnequal: return Int32Op::kUnequal;
    case Operator::kLess: return Int32Op::kLess;
    case Operator::kGreater: return Int32Op::kGreater;
    case Operator::kNotGreater: return Int32Op::kNotGreater;
    case Operator::kNotLess: return Int32Op::kNotLess;
    default: return Int32Op::kNone;
  }
}

inline bool IsInt32Arith(Int32Op op) { return op <= Int32Op::kMod; }

inline bool IsComparison(Int32Op op) { return op >= Int32Op::kEqual && op <= Int32Op::kNotLess; }

// An arithmetic operation on two Int32 operands whose result needs neither
// widening nor an error; false leaves the case to the operator's routine.
// Division runs in 32 bits: a zero divisor and -1 (the smallest Int32
// divided by -1) are the routine's.
inline bool Int32Arith(Int32Op op, int32_t x, int32_t y, int32_t& r) {
  switch (op) {
    case Int32Op::kAdd: return !__builtin_add_overflow(x, y, &r);
    case Int32Op::kSubtract: return !__builtin_sub_overflow(x, y, &r);
    case Int32Op::kMultiply: return !__builtin_mul_overflow(x, y, &r);
    case Int32Op::kDiv:
      if (y == 0 || y == -1) return false;
      r = x / y;
      return true;
    case Int32Op::kMod:
      if (y == 0 || y == -1) return false;
      r = x % y;
      return true;
    default: return false;
  }
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

// An arithmetic or comparison operation on two Int32 operands, where the
// result needs no widening and no error; false leaves it to the routine.
inline bool ApplyInt32(Int32Op op, int32_t x, int32_t y, Value& out) {
  switch (op) {
    case Int32Op::kEqual: out.SetBool(x == y); return true;
    case Int32Op::kUnequal: out.SetBool(x != y); return true;
    case Int32Op::kLess: out.SetBool(x < y); return true;
    case Int32Op::kGreater: out.SetBool(x > y); return true;
    case Int32Op::kNotGreater: out.SetBool(x <= y); return true;
    case Int32Op::kNotLess: out.SetBool(x >= y); return true;
    default: break;
  }
  int32_t r;
  if (!Int32Arith(op, x, y, r)) return false;
  out.SetInt(r);
  return true;
}

}  // namespace runtime
