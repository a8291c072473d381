// The operator table: one routine per one-character operator code, found by
// indexing, never by search.
#pragma once
#include <array>

#include "../value/value.h"

class CContext;

// Leaves the result in value; other may be value itself.
using OperatorRoutine = void (*)(CContext& context, Value& value, const Value& other);
using OperatorTable = std::array<OperatorRoutine, 256>;

// Filled at compile time, so the table is ready before any script exists.
extern const OperatorTable kOperatorTable;

// The routine of a code, or null: codes without a routine and codes past
// the table have none.
inline OperatorRoutine OperatorFor(char16_t code) {
  return code < kOperatorTable.size() ? kOperatorTable[code] : nullptr;
}

// A code without a routine leaves value empty. Inline: every operator node
// comes through here.
inline void ApplyOperator(CContext& context, Value& value, const Value& other, char16_t code) {
  if (OperatorRoutine routine = OperatorFor(code))
    routine(context, value, other);
  else
    value = DefaultValue();
}
