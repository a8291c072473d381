// The seam through which "for each" walks a COM collection: the COM bridge
// registers a factory that wraps the object's enumerator. Builds without the
// bridge raise a clear error for such a loop.
#pragma once
#include "../base/base.h"
#include "../value/value.h"

class CElementEnumerator : public CBase {
public:
  // Fetches the next element into element; false at the end.
  virtual bool Next(Value& element) = 0;
};

// Returns a new enumerator (count 1) for a COM object, or raises.
using EnumeratorFactory = CElementEnumerator* (*)(const Value& collection);

// A null factory removes it.
void RegisterDispatchEnumerator(EnumeratorFactory factory);
CElementEnumerator* NewDispatchEnumerator(const Value& collection);
