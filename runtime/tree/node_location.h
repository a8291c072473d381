// Where the context last saved its place: "function/line".
#pragma once
#include "runtime/text.h"

namespace runtime {

class CContext;

// The nearest named function around the saved node, with "/" and the line
// when the saved node is a line statement; empty outside named functions.
Text NodeLocation(const CContext& context);

}  // namespace runtime
