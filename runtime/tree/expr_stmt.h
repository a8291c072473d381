// An expression computed for its effect, and the print statement.
#pragma once
#include "statement.h"

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
