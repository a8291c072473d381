// "+", "-", "*", "^" and "&". Overflow, infinities and every other type take
// the general arithmetic, which widens results and raises the errors.
#include <cmath>

#include "../error.h"
#include "../value/arith.h"
#include "../value/convert.h"
#include "fast_numbers.h"
#include "op_routines.h"

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

}  // namespace

void AddValues(CContext&, Value& value, const Value& other) {
  double x, y;
  if (BothInt32(value, other)) {
    int32_t r;
    if (!__builtin_add_overflow(value.AsInt32Raw(), other.AsInt32Raw(), &r)) return value.SetInt(r);
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
    int32_t r;
    if (!__builtin_sub_overflow(value.AsInt32Raw(), other.AsInt32Raw(), &r)) return value.SetInt(r);
  } else if (ReadDoubles(value, other, x, y) && SetFiniteDouble(value, x - y)) {
    return;
  }
  ValueArith(value, other, '-');
}

void MultiplyValues(CContext&, Value& value, const Value& other) {
  double x, y;
  if (BothInt32(value, other)) {
    int32_t r;
    if (!__builtin_mul_overflow(value.AsInt32Raw(), other.AsInt32Raw(), &r)) return value.SetInt(r);
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
