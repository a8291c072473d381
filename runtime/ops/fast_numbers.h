// Operand tests of the arithmetic fast paths: plain Int32 and Double values
// are read straight from the payload.
#pragma once
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

}  // namespace runtime
