// Operator codes: the operator each operator token's text stands for.
#pragma once
#include "runtime/ops/operator.h"
#include "runtime/text.h"

namespace runtime {

// The operator of an operator token's text, which is first passed through the
// key-alias table, so that an aliased word ("not" and "bit not" included)
// gets the operator of the keyword it stands for. Bitwise tokens (BIT_OP,
// BITNOT) have operators of their own; a text that names none is kNone.
Operator OperatorCode(TextView text, bool bitwise);
// The operator of an assignment ("&=", "+=", "-=", "*="), taken as written.
Operator AssignmentCode(TextView text);

}  // namespace runtime
