// Logic and bitwise operators. "not", "and", "or" and "xor" work on
// truthiness and give a Boolean. Bitwise operators work on 32-bit words and
// give UInt32 results: integers and Booleans give their own bits, any other
// operand is converted (see "Bitwise operators" in docs/values.md).
#include "runtime/value/convert.h"
#include "runtime/value/predicates.h"
#include "runtime/ops/op_routines.h"

namespace runtime {

namespace {

uint32_t BitWord(const Value& v) {
  switch (v.Type()) {
    case varInteger:
    case varLongWord: return v.AsUInt32Raw();
    case varInt64:
    case varUInt64: return uint32_t(v.AsUInt64Raw());
    default: break;
  }
  if (IsIntegerType(v.Type())) return uint32_t(ToInt32(v));
  const int64_t whole = ToInt64(v);
  if (whole < INT32_MIN || whole > UINT32_MAX) RaiseOverflow(v, varLongWord);
  return uint32_t(whole);
}

// The left operand is converted first, so its error is the one raised.
template <class Op>
void CombineWords(Value& value, const Value& other, Op op) {
  const uint32_t left = BitWord(value), right = BitWord(other);
  value.SetUInt32(op(left, right));
}

}  // namespace

void NotValue(CContext&, Value& value, const Value&) { value.SetBool(!ValueToBool(value)); }

void AndValues(CContext&, Value& value, const Value& other) {
  const bool left = ValueToBool(value), right = ValueToBool(other);
  value.SetBool(left && right);
}

void OrValues(CContext&, Value& value, const Value& other) {
  const bool left = ValueToBool(value), right = ValueToBool(other);
  value.SetBool(left || right);
}

void XorValues(CContext&, Value& value, const Value& other) { value.SetBool(ValueToBool(value) != ValueToBool(other)); }

// Bitwise operators.
void BitNotValue(CContext&, Value& value, const Value&) { value.SetUInt32(~BitWord(value)); }

void BitAndValues(CContext&, Value& value, const Value& other) {
  CombineWords(value, other, [](uint32_t a, uint32_t b) { return a & b; });
}

void BitOrValues(CContext&, Value& value, const Value& other) {
  CombineWords(value, other, [](uint32_t a, uint32_t b) { return a | b; });
}

void BitXorValues(CContext&, Value& value, const Value& other) {
  CombineWords(value, other, [](uint32_t a, uint32_t b) { return a ^ b; });
}

// The count is the right operand's low 5 bits; ">>" shifts in zeros.
void ShiftLeftValues(CContext&, Value& value, const Value& other) {
  CombineWords(value, other, [](uint32_t a, uint32_t b) { return a << (b & 31); });
}

void ShiftRightValues(CContext&, Value& value, const Value& other) {
  CombineWords(value, other, [](uint32_t a, uint32_t b) { return a >> (b & 31); });
}

}  // namespace runtime
