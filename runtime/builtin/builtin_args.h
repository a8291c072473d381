// Reading the receiver and the arguments of a built-in call.
#pragma once
#include <cstddef>
#include <cstdint>

#include "runtime/text.h"
#include "runtime/value/value.h"

namespace runtime {

class CNode;
class CValue;
class CValueList;

// A number in decimal digits, for messages.
Text DecimalText(int64_t n);

// The value the receiver node designates (the library accepts value nodes only).
const Value& ReceiverValue(CNode* receiver);
Text ReceiverText(CNode* receiver);
int32_t ReceiverInt(CNode* receiver);
double ReceiverDouble(CNode* receiver);

// The argument at a position whatever its name, for arguments the built-ins
// take by position only; null when there is none.
CValue* ArgAt(CValueList* args, int32_t position);
// Its value, or the empty value when it is missing.
const Value& ArgValueAt(CValueList* args, int32_t position);

}  // namespace runtime
