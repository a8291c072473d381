// "for each" over a COM collection: its _NewEnum enumerator, element by
// element.
#pragma once
#include "runtime/tree/loops.h"

namespace host {

using namespace runtime;

// The factory the loop asks for a COM object's elements; raises when the
// object has no enumerator.
CElementEnumerator* NewDispatchEnumerator(const Value& collection);

}  // namespace host
