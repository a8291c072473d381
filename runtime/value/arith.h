// The general arithmetic of script values, behind the operators' fast paths.
// The rules are listed in docs/values.md.
#pragma once
#include "value.h"

// op is '+', '-', '*', '/', 'd' (div) or 'm' (mod). The result replaces left;
// right may be left itself.
void ValueArith(Value& left, const Value& right, char op);

// "&": both values as text, joined, as the build's text. A left text of the
// build's kind that no other value shares grows in place.
void ValueConcat(Value& left, const Value& right);
// "&" with a right operand already in text; text holds the build's kind.
void AppendText(Value& text, TextView tail);
