// Operators, deferred calls, "new", "var x" as a value and DOT_OP calls.
#include "../parse/operator_code.h"
#include "../tree/call.h"
#include "../tree/object_value.h"
#include "../tree/op_node.h"
#include "../tree/references.h"
#include "../tree/value_node.h"
#include "build_routines.h"

namespace {

// "and" and "or" short-circuit; every other code goes to the operator table.
CBinaryOp* NewBinaryNode(CNode* owner, char16_t code) {
  if (code == u'a') return new CAndOp(owner);
  if (code == u'o') return new COrOp(owner);
  return new CBinaryOp(owner);
}

void Binary(const TRule& r, bool bitwise) {
  const char16_t code = OperatorCode(r.TextOf(2), bitwise);
  CBinaryOp* operation = NewBinaryNode(r.builder.Current(), code);
  CValue* left = r.TakeValue(1);
  operation->Init(left, code, r.TakeValue(3));
  r.Give(operation);
}

// Prefix operators go through the key aliases too, so an aliased "not"
// keeps its meaning.
void Unary(const TRule& r, bool bitwise) {
  auto* operation = new CUnaryOp(r.builder.Current());
  operation->Init(r.TakeValue(2), OperatorCode(r.TextOf(1), bitwise));
  r.Give(operation);
}

}  // namespace

void BuildBinary(const TRule& r) { Binary(r, false); }

void BuildBitBinary(const TRule& r) { Binary(r, true); }

void BuildUnary(const TRule& r) { Unary(r, false); }

void BuildBitUnary(const TRule& r) { Unary(r, true); }

void BuildDeferredCall(const TRule& r) {
  CNode* call = r.Take(2);
  static_cast<CCall*>(call)->SetDeferred(true);
  r.Give(call);
}

void BuildNew(const TRule& r) { r.Give(new CCopyExpr(r.builder.Current(), r.TakeValue(2))); }

// The variable itself is the value: passed as an argument, it is shared.
void BuildVarValue(const TRule& r) {
  CValue* found = r.builder.Current()->Lookup(r.TextOf(2));
  if (found) {
    found->AddRef();
    r.Give(found);
    return;
  }
  r.builder.Report(r.TextOf(2) + QT(" not found"));
  r.Give(new CValue(r.builder.Current()));
}

// a .op b: the member named by the operator, called on a with b.
void BuildDotOperator(const TRule& r) {
  CNode* owner = r.builder.Current();
  const Text name = r.TextOf(2).substr(1);
  auto* callee = new CMemberRef(owner, name, r.TakeValue(1), false);
  auto* arguments = new CValueList();
  arguments->Add(r.TakeValue(3));
  r.Give(new CCall(owner, callee, arguments));
}
