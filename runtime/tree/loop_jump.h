// next [when c] and exit [when c]: the condition sits in the value slot and
// the target is the loop's body block. Both end the current pass; exit also
// stops the loop.
#pragma once
#include "jump_stmt.h"

class CNextNode : public CJumpStmt {
public:
  using CJumpStmt::CJumpStmt;
  ClassId Id() const override { return ClassId::kNextNode; }
  // A false condition makes no jump.
  void Execute(CContext& context) override;
};

class CBreakNode : public CNextNode {
public:
  using CNextNode::CNextNode;
  ClassId Id() const override { return ClassId::kBreakNode; }
  // Stops the loop whose body is the target; outside loops nothing more.
  void AfterJump() override;
};
