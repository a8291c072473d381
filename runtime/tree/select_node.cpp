#include "select_node.h"

#include "block.h"
#include "value_node.h"

CSelectNode::~CSelectNode() { ReleaseObject(else_); }

CBlock* CSelectNode::AddBranch(CValue* condition) {
  CBlock* body = Body();
  AddCondition(condition);
  auto* branch = new CBlock(this);
  body->AddChild(branch);
  return branch;
}

CBlock* CSelectNode::Branch(int32_t index) const {
  CNode* child = body_ ? body_->Child(index) : nullptr;
  return child ? child->AsBlock() : nullptr;
}

CBlock* CSelectNode::MakeElse() {
  if (!else_) else_ = new CBlock(this);
  return else_;
}

bool CSelectNode::Test(CContext& context, int32_t index) { return EvalBool(Condition(index), context); }

// Branch blocks run directly: the context sees their statements, not them.
void CSelectNode::Execute(CContext& context) {
  const int32_t count = ConditionCount();
  for (int32_t i = 0; i < count; ++i) {
    if (!Test(context, i)) continue;
    if (CBlock* branch = Branch(i)) branch->Execute(context);
    return;
  }
  if (else_) else_->Execute(context);
}
