#include "raise_node.h"

#include "../error.h"
#include "../value/convert.h"
#include "value_node.h"

void CRaiseNode::Execute(CContext& context) {
  RaiseError(ValueExpr() ? ToText(Eval(ValueExpr(), context)) : Text());
}
