// Operator nodes: each keeps its result in its own value. Unary and binary
// nodes hand their operand values to the operator table; "and" and "or"
// short-circuit and yield one of their operand values.
#pragma once
#include "runtime/ops/operator.h"
#include "runtime/tree/value_node.h"
#include "runtime/base/ref.h"

namespace runtime {

class COpNode : public CValue {
public:
  using CValue::CValue;
  ~COpNode() override;

  ClassId Id() const override { return ClassId::kOpNode; }
  CValue* Operand() const { return operand_; }
  // Only the parent reads an operator's result, so it is handed over: a
  // text made here can then grow in place further up.
  Value Take(CContext& context) override;

protected:
  Ref<CValue> operand_;
};

class CUnaryOp : public COpNode {
public:
  using COpNode::COpNode;

  ClassId Id() const override { return ClassId::kUnaryOp; }
  // Takes over one reference of the operand.
  void Init(CValue* operand, Operator code);
  void Compute(CContext& context) override;
  Operator Code() const { return code_; }

protected:
  friend class CUnaryOpStreamer;

  Operator code_ = Operator::kNone;
};

class CBinaryOp : public CUnaryOp {
public:
  using CUnaryOp::CUnaryOp;
  ~CBinaryOp() override;

  ClassId Id() const override { return ClassId::kBinaryOp; }
  // Takes over one reference of each operand.
  void Init(CValue* left, Operator code, CValue* right);
  // The left operand is evaluated first.
  void Compute(CContext& context) override;
  CValue* Left() const { return operand_; }
  CValue* Right() const { return right_; }

protected:
  friend class CBinaryOpStreamer;

  Ref<CValue> right_;
};

// The left value when it is false, else the right value; the code is unused.
class CAndOp : public CBinaryOp {
public:
  using CBinaryOp::CBinaryOp;
  ClassId Id() const override { return ClassId::kAndOp; }
  void Compute(CContext& context) override;
};

// The left value when it is true, else the right value; the code is unused.
class COrOp : public CBinaryOp {
public:
  using CBinaryOp::CBinaryOp;
  ClassId Id() const override { return ClassId::kOrOp; }
  void Compute(CContext& context) override;
};

}  // namespace runtime
