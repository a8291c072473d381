#include "runtime/tree/control_nodes.h"

#include <exception>
#include <new>
#include <stdexcept>

#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "runtime/ops/operator_table.h"
#include "runtime/value/predicates.h"
#include "runtime/tree/block.h"
#include "runtime/tree/function.h"
#include "runtime/tree/value_node.h"
#include "runtime/tree/variable.h"

namespace runtime {

CSelectNode::~CSelectNode() = default;

CBlock* CSelectNode::AddBranch(CValue* condition) {
  CBlock* body = Body();
  AddCondition(condition);
  auto* branch = new CBlock(this);
  body->AddChild(branch);
  return branch;
}

CBlock* CSelectNode::Branch(int32_t index) const {
  CNode* child = body_ ? body_->Child(index) : nullptr;
  return child ? child->AsBlock() : nullptr;
}

CBlock* CSelectNode::MakeElse() {
  if (!else_) else_ = Adopt(new CBlock(this));
  return else_;
}

bool CSelectNode::Test(CContext& context, int32_t index) { return EvalBool(Condition(index), context); }

// Branch blocks run directly: the context sees their statements, not them.
void CSelectNode::Execute(CContext& context) {
  const int32_t count = ConditionCount();
  for (int32_t i = 0; i < count; ++i) {
    if (!Test(context, i)) continue;
    if (CBlock* branch = Branch(i)) branch->Execute(context);
    return;
  }
  if (else_) else_->Execute(context);
}

namespace {

bool IsRegexValue(const Value& value) {
  CNode* node = NodeOf(value);
  return node && node->Id() == ClassId::kRegexValue;
}

// The truthiness of "@" op v.
bool Holds(CContext& context, const Value& subject, const Value& v, Operator op) {
  Value test = subject;
  ApplyOperator(context, test, v, op);
  return ValueToBool(test);
}

}  // namespace

CCaseNode::~CCaseNode() = default;

CCaseNode* CCaseNode::Init(CValue* selector) {
  selector_ = Adopt(selector);
  if (!subject_) subject_ = Adopt(DeclareHeld(Body(), QT("@")));
  return this;
}

void CCaseNode::Execute(CContext& context) {
  subject_->SetValue(Eval(selector_, context));
  CSelectNode::Execute(context);
}

CValue* CCaseNode::Lookup(TextView name) {
  if (CValue* own = Body()->FindOwn(name)) return own;
  return CSelectNode::Lookup(name);
}

bool CCaseNode::Test(CContext& context, int32_t index) {
  const Value& v = Eval(Condition(index), context);
  const Value& subject = subject_->ValueRef();
  if (ScriptObjectOf(v)) return Holds(context, subject, v, Operator::kIn);
  if (IsRegexValue(v)) return Holds(context, subject, v, Operator::kMatch);
  return CompareValues(subject, v, context.IsCaseSensitive()) == kCompareEqual;
}

CTryNode::~CTryNode() = default;

CBlock* CTryNode::MakeExcept() {
  if (!except_) {
    except_ = Adopt(new CBlock(this));
    message_ = Adopt(DeclareHeld(except_, QT("@")));
  }
  return except_;
}

CBlock* CTryNode::MakeFinally() {
  if (!finally_) finally_ = Adopt(new CBlock(this));
  return finally_;
}

// The finally block runs outside any handler; an error it raises replaces
// the pending one.
void CTryNode::Execute(CContext& context) {
  std::exception_ptr pending;
  try {
    RunGuarded(context);
  } catch (...) {
    pending = std::current_exception();
  }
  if (finally_) RunFinally(context);
  if (pending) std::rethrow_exception(pending);
}

// A jump under way waits while the finally block runs in full; a jump the
// block makes itself goes on unless the waiting one reaches further.
void CTryNode::RunFinally(CContext& context) {
  CBlock* waiting = context.JumpTarget();
  context.EndJump();
  finally_->Execute(context);
  CBlock* own = context.JumpTarget();
  if (waiting && (!own || IsOwnedBy(own, waiting))) context.StartJump(waiting);
}

void CTryNode::RunGuarded(CContext& context) {
  Text message;
  try {
    Body()->Execute(context);
    return;
  } catch (const EScriptError& error) {
    message = error.Message();
  } catch (const std::bad_alloc&) {
    message = OutOfMemoryMessage();
  } catch (const std::length_error&) {
    message = OutOfMemoryMessage();
  }
  if (!except_) RaiseError(std::move(message));
  RunExcept(context, message);
}

void CTryNode::RunExcept(CContext& context, TextView message) {
  context.SaveCurrentNode();
  Value text;
  text.SetText(message);
  message_->SetValue(text);
  except_->Execute(context);
}

}  // namespace runtime
