// target = expression
#pragma once
#include "statement.h"

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
};
