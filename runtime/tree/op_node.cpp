#include "op_node.h"

#include "../ops/operator_table.h"
#include "../value/predicates.h"

COpNode::~COpNode() { ReleaseObject(operand_); }

Value COpNode::Take(CContext& context) {
  Compute(context);
  return std::move(value_);
}

void CUnaryOp::Init(CValue* operand, char16_t code) {
  ReleaseObject(operand_);
  operand_ = operand;
  code_ = code;
}

// The result is written only after the operands are computed: a recursive
// call inside an operand evaluates this same node.
void CUnaryOp::Compute(CContext& context) {
  value_ = Eval(operand_, context);
  ApplyOperator(context, value_, DefaultValue(), code_);
}

CBinaryOp::~CBinaryOp() { ReleaseObject(right_); }

void CBinaryOp::Init(CValue* left, char16_t code, CValue* right) {
  CUnaryOp::Init(left, code);
  ReleaseObject(right_);
  right_ = right;
}

void CBinaryOp::Compute(CContext& context) {
  Value left = operand_->Take(context);
  const Value& right = Eval(right_, context);
  value_ = std::move(left);
  ApplyOperator(context, value_, right, code_);
}

void CAndOp::Compute(CContext& context) {
  value_ = Eval(operand_, context);
  if (ValueToBool(value_)) value_ = Eval(right_, context);
}

void COrOp::Compute(CContext& context) {
  value_ = Eval(operand_, context);
  if (!ValueToBool(value_)) value_ = Eval(right_, context);
}
