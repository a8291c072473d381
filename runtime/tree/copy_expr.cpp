#include "copy_expr.h"

#include "object_value.h"
#include "value_ops.h"

CCopyExpr::CCopyExpr(CNode* owner, CValue* operand) : CValue(owner), operand_(operand) {}

CCopyExpr::~CCopyExpr() { ReleaseObject(operand_); }

void CCopyExpr::Compute(CContext& context) {
  const Value& value = Eval(operand_, context);
  CObjectValue* object = ScriptObjectOf(value);
  if (!object) {
    value_ = value;
    return;
  }
  CValue* copy = object->Deref(context);
  value_.SetCountedObject(copy);
  copy->Release();
}
