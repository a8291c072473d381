#include "assign_stmt.h"

#include "append_assign.h"

CAssignStmt::CAssignStmt(CNode* owner, CValue* target, CValue* expression)
    : CSimpleStatement(owner), target_(target), expression_(expression) {}

CAssignStmt::~CAssignStmt() {
  ReleaseObject(expression_);
  ReleaseObject(target_);
}

void CAssignStmt::Execute(CContext& context) {
  if (!shapeKnown_) {
    joinBase_ = JoinChainBase(expression_);
    shapeKnown_ = true;
  }
  if (joinBase_ && AppendToVariable(context, target_, expression_, joinBase_)) return;
  // A value of its own: finding the target may run code that changes the expression's value.
  Value value = expression_->Take(context);
  target_->Assign(context, value);
}
