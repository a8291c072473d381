// var, assignments, calls as statements, and the print forms.
#include "../parse/operator_code.h"
#include "../tree/block.h"
#include "../tree/op_node.h"
#include "../tree/statements.h"
#include "../tree/variable.h"
#include "build_parts.h"
#include "build_routines.h"

namespace {

// Declared at once, so later statements of the compile find it.
CVariable* DeclareVar(const TRule& r) {
  CBlock* scope = r.builder.Compiler().CurrentBlock();
  if (!scope) {
    r.builder.Report(QT("syntax error"));
    return nullptr;
  }
  return CVariable::Declare(scope, r.TextOf(2));
}

void AddPrint(const TRule& r, TextView suffix) {
  CNode* owner = r.builder.Current();
  r.builder.AddStatement(new CPrintStmt(owner, r.TakeValue(r.values.Length()), suffix));
}

}  // namespace

void BuildVar(const TRule& r) { DeclareVar(r); }

void BuildVarAssign(const TRule& r) {
  CValue* value = r.TakeValue(4);
  CVariable* variable = DeclareVar(r);
  if (!variable) {
    ReleaseObject(value);
    return;
  }
  CValue* target = BoundNameRef(r.builder.Compiler(), variable);
  r.builder.AddStatement(new CAssignStmt(r.builder.Current(), target, value));
}

void BuildAssign(const TRule& r) {
  CValue* target = r.TakeValue(1);
  r.builder.AddStatement(new CAssignStmt(r.builder.Current(), target, r.TakeValue(3)));
}

// The target is also the left operand.
void BuildOpAssign(const TRule& r) {
  CValue* target = r.TakeValue(1);
  auto* operation = new CBinaryOp(r.builder.Current());
  target->AddRef();
  operation->Init(target, AssignmentCode(r.TextOf(2)), r.TakeValue(3));
  r.builder.AddStatement(new CAssignStmt(r.builder.Current(), target, operation));
}

void BuildCallStatement(const TRule& r) {
  r.builder.AddStatement(new CExprStmt(r.builder.Current(), r.TakeValue(1)));
}

void BuildPrint(const TRule& r) { AddPrint(r, {}); }

void BuildPrintLine(const TRule& r) { AddPrint(r, QT("\r\n")); }

void BuildPrintBlank(const TRule& r) { AddPrint(r, QT(" ")); }

void BuildPrintTab(const TRule& r) { AddPrint(r, QT("\t")); }
