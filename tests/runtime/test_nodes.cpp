#include "test_nodes.h"

#include "error.h"
#include "lib/context.h"
#include "tree/block.h"
#include "tree/expr_stmt.h"
#include "value/compare.h"
#include "value/convert.h"
#include "value/predicates.h"
#include "value/text_access.h"

CTestOp::CTestOp(CNode* owner, char code, CValue* left, CValue* right)
    : CValue(owner), code_(code), left_(left), right_(right) {}

CTestOp::~CTestOp() {
  ReleaseObject(left_);
  ReleaseObject(right_);
}

void CTestOp::Compute(CContext& context) {
  Value a = Eval(left_, context);
  const Value& b = Eval(right_, context);
  switch (code_) {
    case '+':
      if (IsStringType(a.Type()) || IsStringType(b.Type()))
        value_.SetText(ToText(a) + ToText(b));
      else
        value_.SetInt(ToInt32(a) + ToInt32(b));
      break;
    case '-': value_.SetInt(ToInt32(a) - ToInt32(b)); break;
    case '*': value_.SetInt(ToInt32(a) * ToInt32(b)); break;
    case '<': value_.SetBool(ToInt32(a) < ToInt32(b)); break;
    case '=': value_.SetBool(CompareValues(a, b, false) == kCompareEqual); break;
    default: RaiseError(QT("Unknown test operator"));
  }
}

CTestIf::CTestIf(CNode* owner, CValue* condition) : CCompound(owner), condition_(condition) {}

CTestIf::~CTestIf() {
  ReleaseObject(otherwise_);
  ReleaseObject(condition_);
}

CBlock* CTestIf::Otherwise() {
  if (!otherwise_) otherwise_ = new CBlock(this);
  return otherwise_;
}

void CTestIf::Execute(CContext& context) {
  if (EvalBool(condition_, context))
    Body()->Execute(context);
  else if (otherwise_)
    otherwise_->Execute(context);
}

CTestWhile::CTestWhile(CNode* owner, CValue* condition) : CCompound(owner), condition_(condition) {}

CTestWhile::~CTestWhile() { ReleaseObject(condition_); }

void CTestWhile::Execute(CContext& context) {
  while (EvalBool(condition_, context)) {
    Body()->Execute(context);
    if (stop_) {
      stop_ = false;
      return;
    }
    context.BeforeStatement(this);
  }
}

CTestFinally::~CTestFinally() { ReleaseObject(finally_); }

CBlock* CTestFinally::Finally() {
  if (!finally_) finally_ = new CBlock(this);
  return finally_;
}

void CTestFinally::Execute(CContext& context) {
  try {
    Body()->Execute(context);
  } catch (...) {
    Finally()->Execute(context);
    throw;
  }
  Finally()->Execute(context);
}

void CTestRaise::Execute(CContext&) { RaiseError(message_); }

void CTestAppend::Execute(CContext&) {
  Value text;
  text.SetText(TextFromAscii("added"));
  auto* print = new CPrintStmt(Owner(), new CValue(nullptr, text), QT("\n"));
  Owner()->AddChild(print);
}
