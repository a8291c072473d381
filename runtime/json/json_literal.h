// Values of the JSON reader's bare literals.
#pragma once
#include "../text.h"
#include "../value/value.h"

// A number run ("12", "-1.5e3", "0x1F", "-0b101"), read by the rule of number
// literals. A run that is no number ("1-2", "-", "0x", "0b102", "1a") raises
// the system's conversion error.
Value JsonNumber(TextView literal);
// null and nil give Null, true and false the booleans (exact case); any other
// word is a text.
Value JsonWord(TextView word);
