// loop / while, and the base of the for loops. Loop jumps and return set the
// stop flag; the loop clears it when it finishes, also when an error leaves
// it, so a stale flag never ends a later run early.
#pragma once
#include "control_node.h"

class CLoopNode : public CControlNode {
public:
  using CControlNode::CControlNode;
  ~CLoopNode() override;

  ClassId Id() const override { return ClassId::kLoopNode; }
  // Takes over one reference of the condition (may be null); returns the body.
  CBlock* Init(CValue* condition);
  void Execute(CContext& context) override;
  void StopLoop() override { stop_ = true; }

  CValue* LoopCondition() const { return condition_; }
  bool Stopping() const { return stop_; }

protected:
  friend class CLoopNodeStreamer;

  // The passes of the loop; Execute clears the stop flag when they raise.
  virtual void RunPasses(CContext& context);
  // Runs the body once; false when the loop must finish.
  bool RunPass(CContext& context);
  void SetCondition(CValue* condition);

  CValue* condition_ = nullptr;  // owned

private:
  bool stop_ = false;
};
