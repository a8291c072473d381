// The one-line statements: assignments, expressions and print, jumps and raise.
#pragma once
#include "runtime/tree/node.h"
#include "runtime/tree/value_node.h"
#include "runtime/base/ref.h"

namespace runtime {

class CBinaryOp;

// target = expression
class CAssignStmt : public CSimpleStatement {
public:
  // Takes over one reference of each.
  CAssignStmt(CNode* owner, CValue* target, CValue* expression);
  ~CAssignStmt() override;

  ClassId Id() const override { return ClassId::kAssignStmt; }
  void Execute(CContext& context) override;
  CValue* Target() const { return target_; }
  CValue* Expression() const { return expression_; }

private:
  friend class CAssignStmtStreamer;

  CValue* target_;
  CValue* expression_;
  // The variable of "x = x & ..." found on the first run (the image reader
  // fills the fields after construction).
  CValue* joinBase_ = nullptr;
  bool shapeKnown_ = false;
  // The expression's and the target's nodes when they are read and written
  // in place (SlotHolder), decided after the first assignment, when names
  // are resolved.
  CValue* plainExpression_ = nullptr;
  CBinaryOp* operatorExpression_ = nullptr;
  CValue* plainTarget_ = nullptr;
  bool targetKnown_ = false;
};

// An expression computed for its effect, and the print statement.
class CExprStmt : public CSimpleStatement {
public:
  // Takes over one reference of the expression.
  CExprStmt(CNode* owner, CValue* expression);
  ~CExprStmt() override;

  ClassId Id() const override { return ClassId::kExprStmt; }
  void Execute(CContext& context) override;
  CValue* Expression() const { return expression_; }

protected:
  friend class CExprStmtStreamer;

  CValue* expression_;
};

// Prints the expression's text followed by the suffix (the line end, or one
// blank for the comma form).
class CPrintStmt : public CExprStmt {
public:
  CPrintStmt(CNode* owner, CValue* expression, TextView suffix);

  ClassId Id() const override { return ClassId::kPrintStmt; }
  void Execute(CContext& context) override;
  const Text& Suffix() const { return suffix_; }

private:
  friend class CPrintStmtStreamer;

  Text suffix_;
};

// x = x & e1 & ... & en, and x &= e, for a variable x holding text: the text
// grows in place while the variable is its only owner, instead of being
// copied whole on every pass.

// The leftmost operand of an expression made of "&" operators, when it is a
// name or a variable; else null.
CValue* JoinChainBase(CValue* expression);

// Runs target = expression for a join chain on base when base and target are
// the same variable and it holds the build's text. Otherwise returns false,
// having evaluated only base, which has no effects.
bool AppendToVariable(CContext& context, CValue* target, CValue* expression, CValue* base);

// Jumps: a jump ends every block from its statement up to its target, which
// the compiler fixes (the loop body for loop jumps, the function body or the
// module for return). It travels as the context's jump target.
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
  // Starts the jump in the context.
  void Jump(CContext& context);

private:
  // The target when it encloses the statement, else the outermost enclosing
  // block; null when no block encloses it.
  CBlock* Destination();

  Ref<CValue> value_;
  CBlock* target_ = nullptr;
  CBlock* destination_ = nullptr;
  uint64_t destinationKnownAt_ = 0;  // OwnerChanges() + 1 when known
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

// raise e: an ordinary script error whose message is e's text.
class CRaiseNode : public CJumpStmt {
public:
  using CJumpStmt::CJumpStmt;
  ClassId Id() const override { return ClassId::kRaiseNode; }
  void Execute(CContext& context) override;
};

}  // namespace runtime
