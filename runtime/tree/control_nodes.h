// The choice and try statements: if, case and try.
#pragma once
#include "runtime/tree/block.h"
#include "runtime/base/ref.h"

namespace runtime {

// Base of the select, loop and try statements.
class CControlNode : public CCompound {
public:
  using CCompound::CCompound;
  ClassId Id() const override { return ClassId::kControlNode; }
};

// if / elsif / else: one condition (the compound's list) and one branch block
// per branch. The branch blocks are children of the body block, which itself
// never runs; the first branch whose test holds runs, else the else block.
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

  Ref<CBlock> else_;
};

// case / when: the selector's value is held in the variable "@" of the body
// block while the branches are tested and run.
class CVariable;

class CCaseNode : public CSelectNode {
public:
  using CSelectNode::CSelectNode;
  ~CCaseNode() override;

  ClassId Id() const override { return ClassId::kCaseNode; }
  // Takes over one reference of the selector; declares "@" in the body.
  CCaseNode* Init(CValue* selector);
  void Execute(CContext& context) override;
  // The body's own names first, so that the branches see "@".
  CValue* Lookup(TextView name) override;
  // A list holds when "@" is one of its elements, a regex when "@" matches
  // it; any other value when it equals "@".
  bool Test(CContext& context, int32_t index) override;

  CValue* Selector() const { return selector_; }
  CVariable* Subject() const { return subject_; }

private:
  friend class CCaseNodeStreamer;

  Ref<CValue> selector_;
  Ref<CVariable> subject_;  // "@"
};

// try / except / finally. A script error leaving the body runs the except
// block with its message in "@" (without one it passes on); the finally
// block runs after both, also when an error leaves them. Other exceptions
// pass through the except block untouched.
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
  void RunFinally(CContext& context);

  Ref<CBlock> except_;
  Ref<CBlock> finally_;
  Ref<CVariable> message_;  // "@" of the except block
};

}  // namespace runtime
