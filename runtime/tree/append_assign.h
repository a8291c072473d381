// x = x & e1 & ... & en, and x &= e, for a variable x holding text: the text
// grows in place while the variable is its only owner, instead of being
// copied whole on every pass.
#pragma once
#include "value_node.h"

// The leftmost operand of an expression made of "&" operators, when it is a
// name or a variable; else null.
CValue* JoinChainBase(CValue* expression);

// Runs target = expression for a join chain on base when base and target are
// the same variable and it holds the build's text. Otherwise returns false,
// having evaluated only base, which has no effects.
bool AppendToVariable(CContext& context, CValue* target, CValue* expression, CValue* base);
