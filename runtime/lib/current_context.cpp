#include "current_context.h"

namespace {
CContext* current = nullptr;
}

CContext* CurrentContext() { return current; }

void SetCurrentContext(CContext* context) { current = context; }
