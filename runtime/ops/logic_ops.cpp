// "not", "and", "or" and "xor" on truthiness; the result is a Boolean.
#include "../value/predicates.h"
#include "op_routines.h"

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
