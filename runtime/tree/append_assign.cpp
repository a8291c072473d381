#include "append_assign.h"

#include "../stack_guard.h"
#include "../value/arith.h"
#include "../value/convert.h"
#include "name_ref.h"
#include "op_node.h"

namespace {

CBinaryOp* AsJoin(CValue* node) {
  if (!node || node->Id() != ClassId::kBinaryOp) return nullptr;
  auto* op = static_cast<CBinaryOp*>(node);
  return op->Code() == Operator::kJoin ? op : nullptr;
}

// The variable a name or variable node stands for, or null.
CValue* VariableOf(CValue* node) {
  if (node->Id() == ClassId::kNameRef) node = static_cast<CNameRef*>(node)->ResolvedTarget();
  return node && node->IsVariable() ? node : nullptr;
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
