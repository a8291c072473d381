// The routines of the operator table, by family.
#pragma once
#include "runtime/ops/operator_table.h"

namespace runtime {

// Arithmetic: int32 and double fast paths, else the general arithmetic.
void AddValues(CContext& context, Value& value, const Value& other);
void SubtractValues(CContext& context, Value& value, const Value& other);
void MultiplyValues(CContext& context, Value& value, const Value& other);
void DivideValues(CContext& context, Value& value, const Value& other);
void DivValues(CContext& context, Value& value, const Value& other);
void ModValues(CContext& context, Value& value, const Value& other);
void PowerValues(CContext& context, Value& value, const Value& other);
void JoinValues(CContext& context, Value& value, const Value& other);

// Comparisons, with the context's case sensitivity.
// CompareOperands gives kCompareLess, kCompareEqual or kCompareGreater, or
// what CompareValues gives for values that do not compare.
int CompareOperands(CContext& context, const Value& value, const Value& other);
void EqualValues(CContext& context, Value& value, const Value& other);
void UnequalValues(CContext& context, Value& value, const Value& other);
void LessValues(CContext& context, Value& value, const Value& other);
void GreaterValues(CContext& context, Value& value, const Value& other);
void NotGreaterValues(CContext& context, Value& value, const Value& other);
void NotLessValues(CContext& context, Value& value, const Value& other);

// Membership and matching read script objects and ask the library chain:
// they are defined with the program tree (runtime/tree/tree_operators.cpp),
// which the operator table must not include. Elements are compared as "="
// compares.
void MemberOfValues(CContext& context, Value& value, const Value& other);
void MatchValues(CContext& context, Value& value, const Value& other);
void NoMatchValues(CContext& context, Value& value, const Value& other);

// Logic on truthiness; both operands are already evaluated.
void NotValue(CContext& context, Value& value, const Value& other);
void AndValues(CContext& context, Value& value, const Value& other);
void OrValues(CContext& context, Value& value, const Value& other);
void XorValues(CContext& context, Value& value, const Value& other);

// Bitwise: 32-bit words in, UInt32 out.
void BitNotValue(CContext& context, Value& value, const Value& other);
void BitAndValues(CContext& context, Value& value, const Value& other);
void BitOrValues(CContext& context, Value& value, const Value& other);
void BitXorValues(CContext& context, Value& value, const Value& other);
void ShiftLeftValues(CContext& context, Value& value, const Value& other);
void ShiftRightValues(CContext& context, Value& value, const Value& other);

}  // namespace runtime
