#include "element_enumerator.h"

#include "../error.h"

namespace {

EnumeratorFactory dispatchFactory = nullptr;

}  // namespace

void RegisterDispatchEnumerator(EnumeratorFactory factory) { dispatchFactory = factory; }

CElementEnumerator* NewDispatchEnumerator(const Value& collection) {
  if (!dispatchFactory) RaiseError(QT("for each over a COM object needs the COM bridge, which this build lacks"));
  return dispatchFactory(collection);
}
