#include "jump_stmt.h"

#include "block.h"
#include "value_node.h"

CJumpStmt::~CJumpStmt() { ReleaseObject(value_); }

void CJumpStmt::Execute(CContext&) {
  BreakUpToTarget(false);
  AfterJump();
}

void CJumpStmt::SetValueExpr(CValue* value) {
  ReleaseObject(value_);
  value_ = value;
}

void CJumpStmt::BreakUpToTarget(bool stopLoops) {
  for (CNode* node = Owner(); node; node = node->Owner()) {
    if (CBlock* block = node->AsBlock())
      block->SetBreak();
    else if (stopLoops)
      node->StopLoop();
    if (node == target_) return;
  }
}

void CReturnStmt::Execute(CContext& context) {
  if (CValue* value = ValueExpr()) {
    Value result = value->Take(context);
    if (CValue* variable = ResultVariable()) variable->Assign(context, result);
  }
  BreakUpToTarget(true);
}

CValue* CReturnStmt::ResultVariable() {
  if (!resultLooked_ && Target()) {
    result_ = Target()->Lookup(QT("result"));
    resultLooked_ = true;
  }
  return result_;
}
