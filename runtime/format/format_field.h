// One directive of a text pattern applied to its argument.
#pragma once
#include "../text.h"
#include "format_directive.h"

// d, u, x and p take the integer types; e, f, g and n take numbers and
// dates; s takes anything that has a text. Another argument raises an error.
// The result is padded with spaces to the directive's width.
Text FormatField(const Directive& d, const Value& argument);
