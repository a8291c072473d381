// Statements: nodes that can be executed.
#pragma once
#include "node.h"

class CStatement : public CNode {
public:
  using CNode::CNode;
  ClassId Id() const override { return ClassId::kStatement; }
  CStatement* AsStatement() override { return this; }
  virtual void Execute(CContext& context);
};

// A statement that knows its source line (0 when the compile did not record it).
class CLineStatement : public CStatement {
public:
  using CStatement::CStatement;
  ClassId Id() const override { return ClassId::kLineStatement; }
  int32_t Line() const { return line_; }
  void SetLine(int32_t line) { line_ = line; }

private:
  int32_t line_ = 0;
};

// Base of the one-line statements.
class CSimpleStatement : public CLineStatement {
public:
  using CLineStatement::CLineStatement;
  ClassId Id() const override { return ClassId::kSimpleStatement; }
};
