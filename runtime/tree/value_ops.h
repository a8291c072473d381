// What a value refers to.
#pragma once
#include "node.h"

// The script object (object-value family) a value refers to, or null.
CObjectValue* ScriptObjectOf(const Value& value);
// The script function a value refers to, or null.
CFunction* FunctionOf(const Value& value);
// The script function held by a value node's value, or null.
CFunction* FunctionOf(CNode* node);
