// try / except / finally. A script error leaving the body runs the except
// block with its message in "@" (without one it passes on); the finally
// block runs after both, also when an error leaves them. Other exceptions
// pass through the except block untouched.
#pragma once
#include "control_node.h"

class CVariable;

class CTryNode : public CControlNode {
public:
  using CControlNode::CControlNode;
  ~CTryNode() override;

  ClassId Id() const override { return ClassId::kTryNode; }
  void Execute(CContext& context) override;

  // Made on first use, with its "@" variable.
  CBlock* MakeExcept();
  // Made on first use.
  CBlock* MakeFinally();
  CBlock* ExceptBlock() const { return except_; }
  CBlock* FinallyBlock() const { return finally_; }
  CVariable* MessageVariable() const { return message_; }

private:
  friend class CTryNodeStreamer;

  void RunGuarded(CContext& context);
  void RunExcept(CContext& context, TextView message);

  CBlock* except_ = nullptr;      // owned
  CBlock* finally_ = nullptr;     // owned
  CVariable* message_ = nullptr;  // "@" of the except block, counted
};
