// The general arithmetic of script values, behind the operators' fast paths.
// The rules are listed in docs/values.md.
#pragma once
#include "value.h"

// op is '+', '-', '*', '/', 'd' (div) or 'm' (mod). The result replaces left;
// right may be left itself.
void ValueArith(Value& left, const Value& right, char op);

// "&": both values as text, joined, as the build's text.
void ValueConcat(Value& left, const Value& right);
