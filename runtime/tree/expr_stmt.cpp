#include "expr_stmt.h"

#include "../lib/context.h"
#include "../value/convert.h"
#include "value_node.h"

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
