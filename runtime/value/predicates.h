// Tests on script values and the one comparison behind the relational
// operators, "in" and "case".
#pragma once
#include "runtime/value/value.h"

namespace runtime {

// Tests on script values used by operators, conditions and case statements.

// OLE, 8-bit and UTF-16 text.
bool IsStringType(VarType type);
// Boolean and the integer types of 8 to 64 bits.
bool IsIntegerType(VarType type);
// An integer type, or a non-empty text of digits only (no sign, no spaces).
bool IsIntegerLike(const Value& v);
bool IsDispatchValue(const Value& v);
// Empty, null, an empty text, or a number whose payload is all zero bits (so
// -0.0 is not zero).
bool IsEmptyOrZero(const Value& v);
// Truthiness: texts by the boolean words or as numbers, and any other
// non-empty text is true; other values by ToBool.
bool ValueToBoolSlow(const Value& v);
// Inline for the Booleans that comparisons give: conditions are mostly those.
inline bool ValueToBool(const Value& v) {
  return v.Type() == varBoolean ? v.AsBoolRaw() != 0 : ValueToBoolSlow(v);
}

// The one comparison behind the relational operators, "in" and "case".
enum CompareResult : int { kCompareEqual = 0, kCompareLess = 1, kCompareGreater = 2, kCompareNone = 3 };

// Texts compare ignoring ASCII case unless caseSensitive; a text against a
// non-text compares only when it is all digits; object references and arrays
// are equal only to themselves and otherwise not comparable.
int CompareValues(const Value& a, const Value& b, bool caseSensitive);

}  // namespace runtime
