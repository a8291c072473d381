// The errors of value conversions.
#pragma once
#include <string>

#include "value.h"

// The name of a value type in messages: "Int32", "Text", "Byte array", ...
std::string TypeName(VarType type);

// "Cannot convert Text "12abc" to Int32"
[[noreturn]] void RaiseConversionError(const Value& from, VarType to);
// "Overflow converting Double 10000000000 to Int32"
[[noreturn]] void RaiseOverflow(const Value& from, VarType to);
