#include "runtime/tree/op_node.h"

#include <typeinfo>

#include "runtime/ops/fast_numbers.h"
#include "runtime/ops/op_routines.h"
#include "runtime/ops/operator_table.h"
#include "runtime/stack_guard.h"
#include "runtime/value/predicates.h"
#include "runtime/tree/references.h"

namespace runtime {

namespace {

// Left operands that are plain binary operators evaluated in one call.
constexpr int32_t kChainRun = 32;

// Levels of operators below one that may join its Int32 tree, so that working
// it out needs little stack.
constexpr int32_t kInt32TreeDepth = 16;

// Sets slot to the operand's when it is read in place; false while the
// operand is a name not yet resolved, which a later run decides.
bool LearnSlot(CValue* operand, Value**& slot) {
  CValue* holder = SlotHolder(operand);
  slot = holder ? holder->SlotAddress() : nullptr;
  return holder || operand->Id() != ClassId::kNameRef || static_cast<CNameRef*>(operand)->ResolvedTarget();
}

// Two Int32 operands take the inline path, everything else the operator's routine.
void Apply(CContext& context, Value& result, const Value& left, const Value& right, Operator code) {
  if (BothInt32(left, right) && ApplyInt32(Int32OpOf(code), left.AsInt32Raw(), right.AsInt32Raw(), result)) return;
  if (&result != &left) result = left;
  ApplyOperator(context, result, right, code);
}

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
  if (Value** slot = LeftSlot()) {
    value_ = **slot;
  } else {
    CheckStackRoom();
    value_ = Eval(operand_, context);
  }
  ApplyOperator(context, value_, DefaultValue(), code_);
}

Value** CUnaryOp::LeftSlot() {
  if (!leftKnown_) leftKnown_ = LearnSlot(operand_, leftSlot_);
  return leftSlot_;
}

CBinaryOp::~CBinaryOp() = default;

void CBinaryOp::Init(CValue* left, Operator code, CValue* right) {
  CUnaryOp::Init(left, code);
  right_ = Adopt(right);
}

void CBinaryOp::Compute(CContext& context) {
  if (shape_ == Shape::kUnknown) Learn(kInt32TreeDepth);
  if (shape_ == Shape::kInt32Tree && ComputeInt32(value_)) return;
  ComputeGeneral(context);
}

void CBinaryOp::Learn(int32_t budget) {
  bool leftInt32, rightInt32;
  if (!LearnOperand(operand_, leftSlot_, leftOp_, budget, leftInt32)) return;
  if (!LearnOperand(right_, rightSlot_, rightOp_, budget, rightInt32)) return;
  leftKnown_ = true;
  int32Op_ = Int32OpOf(code_);
  shape_ = leftInt32 && rightInt32 && int32Op_ != Int32Op::kNone ? Shape::kInt32Tree : Shape::kGeneral;
}

// False while the operand is a name not yet resolved.
bool CBinaryOp::LearnOperand(CValue* operand, Value**& slot, CBinaryOp*& op, int32_t budget, bool& int32Tree) {
  if (!LearnSlot(operand, slot)) return false;
  op = !slot && typeid(*operand) == typeid(CBinaryOp) ? static_cast<CBinaryOp*>(operand) : nullptr;
  int32Tree = slot != nullptr;
  if (op && budget > 0) {
    if (op->shape_ == Shape::kUnknown) op->Learn(budget - 1);
    if (op->shape_ == Shape::kUnknown) return false;
    int32Tree = op->shape_ == Shape::kInt32Tree && IsInt32Arith(op->int32Op_);
  }
  return true;
}

bool CBinaryOp::ReadInt32(Value* const* slot, const CBinaryOp* op, int32_t& v) {
  if (!slot) return op->Int32Result(v);
  const Value& value = **slot;
  v = value.AsInt32Raw();
  return value.Type() == varInteger;
}

// The tree is read again by the general path when this fails: reading it
// changes nothing.
bool CBinaryOp::ComputeInt32(Value& out) {
  int32_t x, y;
  if (!ReadInt32(leftSlot_, leftOp_, x) || !ReadInt32(rightSlot_, rightOp_, y)) return false;
  return ApplyInt32(int32Op_, x, y, out);
}

bool CBinaryOp::Int32Result(int32_t& r) const {
  int32_t x, y;
  return ReadInt32(leftSlot_, leftOp_, x) && ReadInt32(rightSlot_, rightOp_, y) && Int32Arith(int32Op_, x, y, r);
}

// A chain of left operands ("a + b + c ...") is walked in runs rather than
// one call per operator, so that long sums and joins cost little stack. The
// operators apply to one running result, innermost first. Operands read in
// place are not copied unless the operator's routine needs a value of its own.
void CBinaryOp::ComputeGeneral(CContext& context) {
  if (ComputeInPlace(context)) return;
  CheckStackRoom();
  // A comparison with a right operand read in place compares the left one
  // where it is: nothing runs between the two reads.
  if (rightSlot_ && IsComparison(int32Op_) && !leftOp_) {
    const Value& left = Eval(operand_, context);
    value_.SetBool(ComparisonHolds(code_, CompareOperands(context, left, **rightSlot_)));
    return;
  }
  CBinaryOp* run[kChainRun];
  int32_t count = 0;
  CBinaryOp* innermost = this;
  run[count++] = this;
  while (count < kChainRun) {
    CBinaryOp* left = innermost->ChainedLeft();
    if (!left) break;
    innermost = left;
    run[count++] = innermost;
  }
  Value result;
  const Value* left = nullptr;
  if (Value** slot = innermost->LeftSlot())
    left = *slot;
  else
    result = innermost->operand_->Take(context);
  while (count > 0) {
    CBinaryOp* op = run[--count];
    // Computing the right operand may change the variable the left one reads.
    if (left && !op->rightSlot_) {
      result = *left;
      left = nullptr;
    }
    const Value& right = op->RightValue(context);
    Apply(context, result, left ? *left : result, right, op->code_);
    left = nullptr;
  }
  value_ = std::move(result);
}

// Both slots are known only once Learn has decided the operator too.
bool CBinaryOp::ComputeInPlace(CContext& context) {
  if (!leftSlot_ || !rightSlot_) return false;
  const Value& left = **leftSlot_;
  const Value& right = **rightSlot_;
  // A comparison reads its operands where they are; other routines work on a copy.
  if (IsComparison(int32Op_)) {
    value_.SetBool(ComparisonHolds(code_, CompareOperands(context, left, right)));
    return true;
  }
  // The routine may reach code that evaluates this node again.
  Value result;
  Apply(context, result, left, right, code_);
  value_ = std::move(result);
  return true;
}

const Value& CBinaryOp::RightValue(CContext& context) {
  if (rightSlot_) return **rightSlot_;
  if (rightOp_) {
    rightOp_->CBinaryOp::Compute(context);
    return rightOp_->value_;
  }
  return Eval(right_, context);
}

CBinaryOp* CBinaryOp::ChainedLeft() {
  if (shape_ != Shape::kUnknown) return leftOp_;
  CValue* left = operand_;
  return left->Id() == ClassId::kBinaryOp ? static_cast<CBinaryOp*>(left) : nullptr;
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
