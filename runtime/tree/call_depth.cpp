#include "call_depth.h"

#include "../error.h"
#include "../stack_guard.h"

CCallDepth::CCallDepth() {
  if (depth_ >= kLimit) RaiseError(QT("Stack overflow: call depth limit reached"));
  CheckStackRoom();
  ++depth_;
}
