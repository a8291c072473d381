#include "loop_jump.h"

#include "block.h"
#include "value_node.h"

void CNextNode::Execute(CContext& context) {
  if (ValueExpr() && !EvalBool(ValueExpr(), context)) return;
  CJumpStmt::Execute(context);
}

void CBreakNode::AfterJump() {
  if (CNode* loop = Target() ? Target()->Owner() : nullptr) loop->StopLoop();
}
