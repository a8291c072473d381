// new operand: a fresh deep copy of a script object at every evaluation.
#pragma once
#include "value_node.h"

class CCopyExpr : public CValue {
public:
  // Takes over the operand.
  CCopyExpr(CNode* owner, CValue* operand);
  ~CCopyExpr() override;

  ClassId Id() const override { return ClassId::kCopyExpr; }
  // A script object is copied and held by a counted reference; any other
  // value is copied as it is.
  void Compute(CContext& context) override;

  CValue* Operand() const { return operand_; }

private:
  friend class CCopyExprStreamer;

  CValue* operand_;
};
