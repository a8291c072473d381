#include "runtime/callback/event_library.h"

#include "runtime/tree/value_node.h"

namespace runtime {

bool CEventLibrary::Accepts(CNode* receiver) { return FunctionOf(receiver) != nullptr; }

}  // namespace runtime
