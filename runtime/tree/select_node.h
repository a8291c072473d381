// if / elsif / else: one condition (the compound's list) and one branch block
// per branch. The branch blocks are children of the body block, which itself
// never runs; the first branch whose test holds runs, else the else block.
#pragma once
#include "control_node.h"

class CSelectNode : public CControlNode {
public:
  using CControlNode::CControlNode;
  ~CSelectNode() override;

  ClassId Id() const override { return ClassId::kSelectNode; }
  void Execute(CContext& context) override;

  // Takes over one reference of the condition; returns the branch's block.
  CBlock* AddBranch(CValue* condition);
  // Null for a missing branch.
  CBlock* Branch(int32_t index) const;
  // The block run when no branch holds, made on first use.
  CBlock* MakeElse();
  CBlock* ElseBlock() const { return else_; }

  // Whether branch index is taken: the truthiness of its condition.
  virtual bool Test(CContext& context, int32_t index);

private:
  friend class CSelectNodeStreamer;

  CBlock* else_ = nullptr;  // owned
};
