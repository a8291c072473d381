// Operator codes: one 16-bit code per operator, the key into the operator
// table.
#pragma once
#include "../text.h"

// The code of an operator token's text, which is first passed through the
// key-alias table, so that an aliased word ("not" and "bit not" included)
// gets the code of the keyword it stands for. Bitwise operators (BIT_OP,
// BITNOT) get upper-case codes.
char16_t OperatorCode(TextView text, bool bitwise);
// The code of an assignment operator ("&=", "+=", "-=", "*="), taken as written.
char16_t AssignmentCode(TextView text);
