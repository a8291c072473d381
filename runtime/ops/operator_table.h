// The operator table: one routine per operator, found by indexing with its
// code, never by search.
#pragma once
#include <array>

#include "runtime/value/value.h"
#include "runtime/ops/operator.h"

namespace runtime {

class CContext;

// Leaves the result in value; other may be value itself.
using OperatorRoutine = void (*)(CContext& context, Value& value, const Value& other);
using OperatorTable = std::array<OperatorRoutine, 256>;

// Filled at compile time, so the table is ready before any script exists.
extern const OperatorTable kOperatorTable;

// The routine of a code, or null: codes without a routine and codes past
// the table have none.
inline OperatorRoutine OperatorFor(Operator op) {
  const auto code = size_t(op);
  return code < kOperatorTable.size() ? kOperatorTable[code] : nullptr;
}

// A code without a routine leaves value empty. Inline: every operator node
// comes through here.
inline void ApplyOperator(CContext& context, Value& value, const Value& other, Operator op) {
  if (OperatorRoutine routine = OperatorFor(op))
    routine(context, value, other);
  else
    value = DefaultValue();
}

}  // namespace runtime
