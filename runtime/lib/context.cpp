#include "runtime/lib/context.h"

namespace runtime {

namespace {

CContext* current = nullptr;

}  // namespace

bool CContext::Call(CNode*, TextView, CallKind, Value&, CValueList*) { return false; }

CContext* CContext::NewContext() { return new CContext(); }

void CContext::Print(TextView) {}

void CContext::BeforeStatement(CNode* node) { currentNode_ = node; }

void CContext::AfterStatement(CNode*, bool) {}

CContext* CurrentContext() { return current; }

void SetCurrentContext(CContext* context) { current = context; }

}  // namespace runtime
