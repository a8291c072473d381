// Limits for one call of pcre_exec. PCRE recurses on the machine stack, one
// frame per nested step, so the recursion limit is what the stack left to
// this thread can hold: a pattern that needs more fails instead of crashing.
#pragma once
#include <pcre.h>

pcre_extra ExecLimits();
