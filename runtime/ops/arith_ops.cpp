// Arithmetic: "+", "-", "*", "^", "&", "/", "div" and "mod". Overflow,
// division by zero, infinities and every other type take the general
// arithmetic, which widens results and raises the errors.
#include <cmath>

#include "runtime/error.h"
#include "runtime/value/arith.h"
#include "runtime/value/convert.h"
#include "runtime/ops/fast_numbers.h"
#include "runtime/ops/op_routines.h"

namespace runtime {

namespace {

// A Double result of a fast path; infinities and NaN go to the general path.
bool SetFiniteDouble(Value& value, double r) {
  if (!std::isfinite(r)) return false;
  value.SetDouble(r);
  return true;
}

// Follows the general rule for non-finite results of finite operands.
void CheckPower(double r, double x, double y) {
  if (std::isfinite(r) || !std::isfinite(x) || !std::isfinite(y)) return;
  if (std::isnan(r)) RaiseError(QT("Invalid floating point operation"));
  RaiseError(x == 0 ? QT("Floating point division by zero") : QT("Floating point overflow"));
}

// Int32 operands as they are, Double operands rounded half to even.
bool ReadWholeNumbers(const Value& a, const Value& b, int64_t& x, int64_t& y) {
  if (BothInt32(a, b)) {
    x = a.AsInt32Raw();
    y = b.AsInt32Raw();
    return true;
  }
  return IsFastNumber(a) && IsFastNumber(b) && DoubleToInt64(FastDouble(a), x) && DoubleToInt64(FastDouble(b), y);
}

// Int64 arithmetic, so the smallest Int32 divided by -1 cannot trap; a zero
// divisor and the smallest Int64 divided by -1 are left to the general path.
bool DivideWhole(const Value& a, const Value& b, char op, int64_t& r) {
  int64_t x, y;
  if (!ReadWholeNumbers(a, b, x, y) || y == 0 || (y == -1 && x == INT64_MIN)) return false;
  r = op == 'd' ? x / y : x % y;
  return true;
}

void IntegerDivide(Value& value, const Value& other, char op) {
  if (BothInt32(value, other) &&
      ApplyInt32(op == 'd' ? Int32Op::kDiv : Int32Op::kMod, value.AsInt32Raw(), other.AsInt32Raw(), value))
    return;
  int64_t r;
  if (!DivideWhole(value, other, op, r)) return ValueArith(value, other, op);
  if (r == int32_t(r))
    value.SetInt(int32_t(r));
  else
    value.SetInt64(r);
}

}  // namespace

void AddValues(CContext&, Value& value, const Value& other) {
  double x, y;
  if (BothInt32(value, other)) {
    if (ApplyInt32(Int32Op::kAdd, value.AsInt32Raw(), other.AsInt32Raw(), value)) return;
  } else if (value.Type() == varLongWord && other.Type() == varLongWord) {
    // A carry leaves the unsigned range: the general path widens the sum.
    uint32_t r;
    if (!__builtin_add_overflow(value.AsUInt32Raw(), other.AsUInt32Raw(), &r)) return value.SetUInt32(r);
  } else if (ReadDoubles(value, other, x, y) && SetFiniteDouble(value, x + y)) {
    return;
  }
  ValueArith(value, other, '+');
}

void SubtractValues(CContext&, Value& value, const Value& other) {
  double x, y;
  if (BothInt32(value, other)) {
    if (ApplyInt32(Int32Op::kSubtract, value.AsInt32Raw(), other.AsInt32Raw(), value)) return;
  } else if (ReadDoubles(value, other, x, y) && SetFiniteDouble(value, x - y)) {
    return;
  }
  ValueArith(value, other, '-');
}

void MultiplyValues(CContext&, Value& value, const Value& other) {
  double x, y;
  if (BothInt32(value, other)) {
    if (ApplyInt32(Int32Op::kMultiply, value.AsInt32Raw(), other.AsInt32Raw(), value)) return;
  } else if (ReadDoubles(value, other, x, y) && SetFiniteDouble(value, x * y)) {
    return;
  }
  ValueArith(value, other, '*');
}

void PowerValues(CContext&, Value& value, const Value& other) {
  double x, y;
  if (!ReadDoubles(value, other, x, y)) {
    x = ToDouble(value);
    y = ToDouble(other);
  }
  const double r = std::pow(x, y);
  CheckPower(r, x, y);
  value.SetDouble(r);
}

void JoinValues(CContext&, Value& value, const Value& other) { ValueConcat(value, other); }

// "/", "div" and "mod". Division by zero and every other type take the
// general arithmetic, which raises the errors.
void DivideValues(CContext&, Value& value, const Value& other) {
  double x, y;
  if (ReadDoubles(value, other, x, y) && y != 0) {
    const double r = x / y;
    if (std::isfinite(r)) return value.SetDouble(r);
  }
  ValueArith(value, other, '/');
}

void DivValues(CContext&, Value& value, const Value& other) { IntegerDivide(value, other, 'd'); }

void ModValues(CContext&, Value& value, const Value& other) { IntegerDivide(value, other, 'm'); }

}  // namespace runtime
