#include "value_ops.h"

#include "value_node.h"

CObjectValue* ScriptObjectOf(const Value& value) {
  CNode* node = NodeOf(value);
  return node ? node->AsObjectValue() : nullptr;
}

CFunction* FunctionOf(const Value& value) {
  CNode* node = NodeOf(value);
  return node ? node->AsFunction() : nullptr;
}

CFunction* FunctionOf(CNode* node) {
  CValue* value = node ? node->AsValue() : nullptr;
  return value ? FunctionOf(value->ValueRef()) : nullptr;
}
