// raise e: an ordinary script error whose message is e's text.
#pragma once
#include "jump_stmt.h"

class CRaiseNode : public CJumpStmt {
public:
  using CJumpStmt::CJumpStmt;
  ClassId Id() const override { return ClassId::kRaiseNode; }
  void Execute(CContext& context) override;
};
