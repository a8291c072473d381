#include "runtime/callback/event_library.h"

#include "runtime/tree/value_node.h"

bool CEventLibrary::Accepts(CNode* receiver) { return FunctionOf(receiver) != nullptr; }
