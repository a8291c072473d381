// Memory addresses in script values: a 32-bit integer in the 32-bit build,
// a 64-bit one on x86-64, so that no address is ever cut short.
#pragma once
#include <cstdint>

#include "../value/value.h"

void SetAddress(Value& value, const void* address);
// The address an integer stands for; raises when it cannot be one.
uintptr_t AddressFromValue(const Value& value);
