#include "loop_node.h"

#include "../lib/context.h"
#include "block.h"
#include "value_node.h"

CLoopNode::~CLoopNode() { ReleaseObject(condition_); }

CBlock* CLoopNode::Init(CValue* condition) {
  SetCondition(condition);
  return Body();
}

void CLoopNode::SetCondition(CValue* condition) {
  ReleaseObject(condition_);
  condition_ = condition;
}

void CLoopNode::Execute(CContext& context) {
  try {
    RunPasses(context);
  } catch (...) {
    stop_ = false;
    throw;
  }
}

void CLoopNode::RunPasses(CContext& context) {
  while (!condition_ || EvalBool(condition_, context))
    if (!RunPass(context)) return;
}

bool CLoopNode::RunPass(CContext& context) {
  Body()->Execute(context);
  if (stop_) {
    stop_ = false;
    return false;
  }
  context.BeforeStatement(this);
  return true;
}
