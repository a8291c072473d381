// The entry through which host code (COM events, native callbacks, form
// events) calls a script function.
#pragma once
#include <cstdint>

#include "node.h"

// Calls the callable with one argument per host value, in order.
const Value& CallWithArgs(CNode* callable, CContext& context, const Value* values, int32_t count);
