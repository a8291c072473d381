// Jumps: a jump ends every block from its statement up to its target, which
// the compiler fixes (the loop body for loop jumps, the function body or the
// module for return).
#pragma once
#include "statement.h"

class CJumpStmt : public CSimpleStatement {
public:
  using CSimpleStatement::CSimpleStatement;
  ~CJumpStmt() override;

  ClassId Id() const override { return ClassId::kJumpStmt; }
  void Execute(CContext& context) override;
  // Loop jumps add their own effect here.
  virtual void AfterJump() {}

  // Takes over one reference; may be null.
  void SetValueExpr(CValue* value);
  CValue* ValueExpr() const { return value_; }
  void SetTarget(CBlock* target) { target_ = target; }
  CBlock* Target() const { return target_; }

protected:
  // Sets the break flag of every block from the owner up to the target;
  // with stopLoops, loop nodes on the way stop too.
  void BreakUpToTarget(bool stopLoops);

private:
  CValue* value_ = nullptr;  // owned
  CBlock* target_ = nullptr;
};

class CReturnStmt : public CJumpStmt {
public:
  using CJumpStmt::CJumpStmt;
  ClassId Id() const override { return ClassId::kReturnStmt; }
  void Execute(CContext& context) override;

private:
  CValue* ResultVariable();

  CValue* result_ = nullptr;
  bool resultLooked_ = false;
};
