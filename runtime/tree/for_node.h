// for v = start to limit [step s]: start (the condition slot), limit and step
// are computed once, as 32-bit integers. The counter runs in 64 bits, so a
// loop that reaches the end of the integer range ends there.
#pragma once
#include "loop_node.h"

class CVariable;

class CForNode : public CLoopNode {
public:
  using CLoopNode::CLoopNode;
  ~CForNode() override;

  ClassId Id() const override { return ClassId::kForNode; }
  // Takes over one reference of each expression (step may be null); declares
  // the variable in the body and returns the body.
  CBlock* Init(TextView variable, CValue* start, CValue* limit, CValue* step);

  CValue* Start() const { return condition_; }
  CValue* Limit() const { return limit_; }
  CValue* Step() const { return step_; }
  CVariable* Variable() const { return variable_; }

protected:
  // A step of 0 runs no pass.
  void RunPasses(CContext& context) override;

private:
  friend class CForNodeStreamer;

  CValue* limit_ = nullptr;       // owned
  CValue* step_ = nullptr;        // owned
  CVariable* variable_ = nullptr; // counted
};
