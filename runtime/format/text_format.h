// Printf-like formatting of script values, the "format" of a text: each
// directive (see format_directive.h) takes the next argument, "%%" is "%".
//
//   %d %u %x %p  integers: signed, unsigned, upper-case hex, 8 hex digits;
//                the precision is the least number of digits
//   %f %n        fixed decimals (2 by default); n puts "," between thousands
//   %e           exponent form, precision significant digits (15 by default)
//   %g           the shorter of fixed and exponent form (15 digits by default)
//   %s           the argument's text, cut to the precision
//
// Type letters count in either case; "-" aligns left in the width.
#pragma once
#include <span>

#include "../text.h"
#include "../value/value.h"

// Raises an error for a bad directive, an argument that does not fit its
// directive, and too few arguments; extra arguments are ignored.
Text FormatText(TextView pattern, std::span<const Value> arguments);
