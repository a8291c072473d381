#include "assign_stmt.h"

#include "value_node.h"

CAssignStmt::CAssignStmt(CNode* owner, CValue* target, CValue* expression)
    : CSimpleStatement(owner), target_(target), expression_(expression) {}

CAssignStmt::~CAssignStmt() {
  ReleaseObject(expression_);
  ReleaseObject(target_);
}

void CAssignStmt::Execute(CContext& context) {
  // A copy: finding the target may run code that changes the expression's value.
  Value value = Eval(expression_, context);
  target_->Assign(context, value);
}
