// Stand-ins for the operator and control-statement nodes, enough to write
// the scripts the tree tests need.
#pragma once
#include "tree/compound.h"
#include "tree/value_node.h"

// left op right for op in + - * < = (integers; + joins when either side is text).
class CTestOp : public CValue {
public:
  CTestOp(CNode* owner, char code, CValue* left, CValue* right);
  ~CTestOp() override;
  void Compute(CContext& context) override;

private:
  char code_;
  CValue* left_;
  CValue* right_;
};

// if condition then Body() else Otherwise()
class CTestIf : public CCompound {
public:
  CTestIf(CNode* owner, CValue* condition);
  ~CTestIf() override;
  void Execute(CContext& context) override;
  CBlock* Otherwise();

private:
  CValue* condition_;
  CBlock* otherwise_ = nullptr;
};

// while condition do Body(); return stops it.
class CTestWhile : public CCompound {
public:
  CTestWhile(CNode* owner, CValue* condition);
  ~CTestWhile() override;
  void Execute(CContext& context) override;
  void StopLoop() override { stop_ = true; }

private:
  CValue* condition_;
  bool stop_ = false;
};

// Body(), then Finally() also when the body raised.
class CTestFinally : public CCompound {
public:
  using CCompound::CCompound;
  ~CTestFinally() override;
  void Execute(CContext& context) override;
  CBlock* Finally();

private:
  CBlock* finally_ = nullptr;
};

class CTestRaise : public CSimpleStatement {
public:
  CTestRaise(CNode* owner, TextView message) : CSimpleStatement(owner), message_(message) {}
  void Execute(CContext& context) override;

private:
  Text message_;
};

// Appends a print of "added" to its own block each time it runs.
class CTestAppend : public CSimpleStatement {
public:
  using CSimpleStatement::CSimpleStatement;
  void Execute(CContext& context) override;
};
