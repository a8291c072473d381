#include "case_node.h"

#include "../lib/context.h"
#include "../ops/operator_table.h"
#include "../value/predicates.h"
#include "block.h"
#include "held_variable.h"
#include "value_ops.h"
#include "variable.h"

namespace {

bool IsRegexValue(const Value& value) {
  CNode* node = NodeOf(value);
  return node && node->Id() == ClassId::kRegexValue;
}

// The truthiness of "@" op v.
bool Holds(CContext& context, const Value& subject, const Value& v, char16_t op) {
  Value test = subject;
  ApplyOperator(context, test, v, op);
  return ValueToBool(test);
}

}  // namespace

CCaseNode::~CCaseNode() {
  ReleaseObject(subject_);
  ReleaseObject(selector_);
}

CCaseNode* CCaseNode::Init(CValue* selector) {
  ReleaseObject(selector_);
  selector_ = selector;
  if (!subject_) subject_ = DeclareHeld(Body(), QT("@"));
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
  if (ScriptObjectOf(v)) return Holds(context, subject, v, u'i');
  if (IsRegexValue(v)) return Holds(context, subject, v, u'~');
  return CompareValues(subject, v, context.IsCaseSensitive()) == kCompareEqual;
}
