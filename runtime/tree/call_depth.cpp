#include "call_depth.h"

#include "../error.h"

CCallDepth::CCallDepth() {
  if (depth_ >= kLimit) RaiseError(QT("Stack overflow: call depth limit reached"));
  ++depth_;
}
