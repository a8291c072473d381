// A number written by a numeric pattern (see number_pattern.h), the
// "format" of a number value.
#pragma once
#include "../text.h"

class Value;

// Numbers keep the digits of their text form (a Double 15 significant
// digits) and round half away from zero. A negative number uses the second
// section, or the first with a minus sign in front; a number that rounds to
// zero uses the third section when there is one, else the first without a
// sign. An empty pattern or first section gives the number's text form.
// Values other than numbers are converted to Double first.
Text FormatNumber(const Value& number, TextView pattern);
