#include "runtime/tree/op_node.h"

#include "runtime/ops/operator_table.h"
#include "runtime/stack_guard.h"
#include "runtime/value/predicates.h"

namespace runtime {

namespace {

// Left operands that are plain binary operators evaluated in one call.
constexpr int32_t kChainRun = 32;

}  // namespace

COpNode::~COpNode() = default;

Value COpNode::Take(CContext& context) {
  Compute(context);
  return std::move(value_);
}

void CUnaryOp::Init(CValue* operand, Operator code) {
  operand_ = Adopt(operand);
  code_ = code;
}

// The result is written only after the operands are computed: a recursive
// call inside an operand evaluates this same node. Operands nest as deep as
// the source does, so each level checks the stack.
void CUnaryOp::Compute(CContext& context) {
  CheckStackRoom();
  value_ = Eval(operand_, context);
  ApplyOperator(context, value_, DefaultValue(), code_);
}

CBinaryOp::~CBinaryOp() = default;

void CBinaryOp::Init(CValue* left, Operator code, CValue* right) {
  CUnaryOp::Init(left, code);
  right_ = Adopt(right);
}

// A chain of left operands ("a + b + c ...") is walked in runs rather than
// one call per operator, so that long sums and joins cost little stack. The
// operators apply to one running result, innermost first.
void CBinaryOp::Compute(CContext& context) {
  CheckStackRoom();
  CBinaryOp* run[kChainRun];
  int32_t count = 0;
  CBinaryOp* innermost = this;
  run[count++] = this;
  while (count < kChainRun) {
    CValue* left = innermost->operand_;
    if (left->Id() != ClassId::kBinaryOp) break;
    innermost = static_cast<CBinaryOp*>(left);
    run[count++] = innermost;
  }
  Value result = innermost->operand_->Take(context);
  while (count > 0) {
    const CBinaryOp* op = run[--count];
    const Value& right = Eval(op->right_, context);
    ApplyOperator(context, result, right, op->code_);
  }
  value_ = std::move(result);
}

void CAndOp::Compute(CContext& context) {
  CheckStackRoom();
  value_ = Eval(operand_, context);
  if (ValueToBool(value_)) value_ = Eval(right_, context);
}

void COrOp::Compute(CContext& context) {
  CheckStackRoom();
  value_ = Eval(operand_, context);
  if (!ValueToBool(value_)) value_ = Eval(right_, context);
}

}  // namespace runtime
