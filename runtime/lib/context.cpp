#include "context.h"

bool CContext::Call(CNode*, TextView, CallKind, Value&, CValueList*) { return false; }

CContext* CContext::NewContext() { return new CContext(); }

void CContext::Print(TextView) {}

void CContext::BeforeStatement(CNode* node) { currentNode_ = node; }

void CContext::AfterStatement(CNode*, bool) {}
