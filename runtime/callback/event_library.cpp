#include "event_library.h"

#include "../tree/value_node.h"

bool CEventLibrary::Accepts(CNode* receiver) { return FunctionOf(receiver) != nullptr; }
