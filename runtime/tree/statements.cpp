#include "runtime/tree/statements.h"

#include <typeinfo>

#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "runtime/stack_guard.h"
#include "runtime/value/arith.h"
#include "runtime/value/convert.h"
#include "runtime/tree/block.h"
#include "runtime/tree/op_node.h"
#include "runtime/tree/references.h"
#include "runtime/tree/value_node.h"

namespace runtime {

CAssignStmt::CAssignStmt(CNode* owner, CValue* target, CValue* expression)
    : CSimpleStatement(owner), target_(target), expression_(expression) {}

CAssignStmt::~CAssignStmt() {
  ReleaseObject(expression_);
  ReleaseObject(target_);
}

void CAssignStmt::Execute(CContext& context) {
  if (!shapeKnown_) {
    joinBase_ = JoinChainBase(expression_);
    shapeKnown_ = true;
  }
  if (joinBase_ && AppendToVariable(context, target_, expression_, joinBase_)) return;
  // A value of its own: finding the target may run code that changes the expression's value.
  Value value;
  if (plainExpression_)
    value = **plainExpression_->SlotAddress();
  else if (!operatorExpression_ || !operatorExpression_->ComputeInt32Tree(value))
    value = expression_->Take(context);
  if (plainTarget_) {
    SlotToWrite(plainTarget_) = std::move(value);
    return;
  }
  target_->Assign(context, value);
  if (!targetKnown_) {
    plainExpression_ = SlotHolder(expression_);
    if (typeid(*expression_) == typeid(CBinaryOp)) operatorExpression_ = static_cast<CBinaryOp*>(expression_);
    plainTarget_ = SlotHolder(target_);
    targetKnown_ = true;
  }
}

CExprStmt::CExprStmt(CNode* owner, CValue* expression) : CSimpleStatement(owner), expression_(expression) {}

CExprStmt::~CExprStmt() { ReleaseObject(expression_); }

void CExprStmt::Execute(CContext& context) { expression_->Compute(context); }

CPrintStmt::CPrintStmt(CNode* owner, CValue* expression, TextView suffix)
    : CExprStmt(owner, expression), suffix_(suffix) {}

void CPrintStmt::Execute(CContext& context) {
  Text text = ToText(Eval(expression_, context));
  text += suffix_;
  context.Print(text);
}

namespace {

CBinaryOp* AsJoin(CValue* node) {
  if (!node || node->Id() != ClassId::kBinaryOp) return nullptr;
  auto* op = static_cast<CBinaryOp*>(node);
  return op->Code() == Operator::kJoin ? op : nullptr;
}

// Joins taken in one call; a longer chain costs one call per run of them.
constexpr int32_t kJoinRun = 32;

// The right operands as text, innermost first, each converted as soon as it
// is evaluated, as the chain itself would do.
void JoinOperands(CBinaryOp* join, CValue* base, CContext& context, Text& tail) {
  CheckStackRoom();
  CBinaryOp* run[kJoinRun];
  int32_t count = 0;
  for (CBinaryOp* op = join;;) {
    run[count++] = op;
    if (op->Left() == base) break;
    op = static_cast<CBinaryOp*>(op->Left());
    if (count == kJoinRun) {
      JoinOperands(op, base, context, tail);
      break;
    }
  }
  while (count > 0) {
    Text buffer;
    tail += BuildTextView(Eval(run[--count]->Right(), context), buffer);
  }
}

}  // namespace

CValue* JoinChainBase(CValue* expression) {
  CBinaryOp* join = AsJoin(expression);
  if (!join) return nullptr;
  while (CBinaryOp* inner = AsJoin(join->Left())) join = inner;
  CValue* base = join->Left();
  return base && (base->Id() == ClassId::kNameRef || base->IsVariable()) ? base : nullptr;
}

bool AppendToVariable(CContext& context, CValue* target, CValue* expression, CValue* base) {
  // Holding the old text keeps it unchanged while the operands run, whatever
  // they do: a buffer changes in place only with one owner.
  Value old = Eval(base, context);
  CValue* variable = VariableOf(base);
  if (!variable || variable != VariableOf(target) || !old.HoldsBuildText()) return false;
  Text tail;
  JoinOperands(static_cast<CBinaryOp*>(expression), base, context, tail);
  Value& slot = variable->WritableRef();
  if (slot.Type() == old.Type() && slot.Pointer() == old.Pointer()) {
    old.Clear();
    AppendText(slot, tail);
  } else {
    AppendText(old, tail);
    target->Assign(context, old);
  }
  return true;
}

CJumpStmt::~CJumpStmt() = default;

void CJumpStmt::Execute(CContext& context) {
  Jump(context);
  AfterJump();
}

void CJumpStmt::SetValueExpr(CValue* value) {
  value_ = Adopt(value);
}

void CJumpStmt::Jump(CContext& context) {
  if (CBlock* destination = Destination()) context.StartJump(destination);
}

// A target off the statement's owners (a damaged image) would never end the
// jump: the outermost block ends it instead, as every block on the way stops.
CBlock* CJumpStmt::Destination() {
  if (destinationKnownAt_ == OwnerChanges() + 1) return destination_;
  destination_ = nullptr;
  for (CNode* node = Owner(); node; node = node->Owner()) {
    CBlock* block = node->AsBlock();
    if (!block) continue;
    destination_ = block;
    if (block == target_) break;
  }
  destinationKnownAt_ = OwnerChanges() + 1;
  return destination_;
}

void CReturnStmt::Execute(CContext& context) {
  if (CValue* value = ValueExpr()) {
    Value result = value->Take(context);
    if (CValue* variable = ResultVariable()) variable->Assign(context, result);
  }
  Jump(context);
}

CValue* CReturnStmt::ResultVariable() {
  if (!resultLooked_ && Target()) {
    result_ = Target()->Lookup(QT("result"));
    resultLooked_ = true;
  }
  return result_;
}

void CRaiseNode::Execute(CContext& context) {
  RaiseError(ValueExpr() ? ToText(Eval(ValueExpr(), context)) : Text());
}

}  // namespace runtime
