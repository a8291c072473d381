// "/", "div" and "mod". Division by zero and every other type take the
// general arithmetic, which raises the errors.
#include <cmath>

#include "../value/arith.h"
#include "fast_numbers.h"
#include "op_routines.h"

namespace {

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
  int64_t r;
  if (!DivideWhole(value, other, op, r)) return ValueArith(value, other, op);
  if (r == int32_t(r))
    value.SetInt(int32_t(r));
  else
    value.SetInt64(r);
}

}  // namespace

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
