// The operator table: one routine per one-character operator code, found by
// indexing, never by search.
#pragma once
#include <array>

#include "../value/value.h"

class CContext;

// Leaves the result in value; other may be value itself.
using OperatorRoutine = void (*)(CContext& context, Value& value, const Value& other);
using OperatorTable = std::array<OperatorRoutine, 256>;

// The routine of a code, or null: codes without a routine and codes past
// the table have none.
OperatorRoutine OperatorFor(char16_t code);
// A code without a routine leaves value empty.
void ApplyOperator(CContext& context, Value& value, const Value& other, char16_t code);
