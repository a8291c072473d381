// Expressions: names, members, calls, list literals, indexes, arguments,
// literal values and operators.
#include "runtime/error.h"
#include "runtime/parse/literal_value.h"
#include "runtime/parse/operator_code.h"
#include "runtime/tree/call.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/references.h"
#include "runtime/tree/node.h"
#include "runtime/tree/op_node.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/compile/build_routines.h"
#include "runtime/compile/regex_literal.h"

namespace runtime {

namespace {

// Carries an argument list on the parser's stack until a call or a list
// literal takes it over; it never becomes part of the tree.
class CArgumentCarrier : public CNode {
public:
  explicit CArgumentCarrier(CNode* owner) : CNode(owner), list_(new CValueList()) {}
  ~CArgumentCarrier() override { ReleaseObject(list_); }

  CValueList* List() const { return list_; }
  // The list with its reference; the carrier is empty afterwards.
  CValueList* TakeList() {
    CValueList* list = list_;
    list_ = nullptr;
    return list;
  }

private:
  CValueList* list_;
};

void Name(const TRule& r, bool optional) { r.Give(r.builder.Compiler().MakeNameRef(r.TextOf(1), optional)); }

void Member(const TRule& r, const Text& name, bool optional) {
  r.Give(new CMemberRef(r.builder.Current(), name, r.TakeValue(1), optional));
}

// The arguments a carrier value holds, taken over; null for none.
CValueList* TakeArguments(const TRule& r, int i) {
  auto* carrier = static_cast<CArgumentCarrier*>(r.Take(i));
  if (!carrier) return nullptr;
  CValueList* list = carrier->TakeList();
  carrier->Release();
  return list;
}

void AppendArgument(const TRule& r, CArgumentCarrier* carrier, int i) {
  carrier->List()->Add(r.TakeValue(i));
  r.Give(carrier);
}

void NameArgument(const TRule& r, const Text& name) {
  CValue* argument = r.TakeValue(3);
  argument->SetName(name);
  r.Give(argument);
}

CValue* Constant(const TRule& r, const Value& value) { return new CValue(r.builder.Current(), value); }

void Boolean(const TRule& r, bool truth) {
  Value value;
  value.SetBool(truth);
  r.Give(Constant(r, value));
}

// "and" and "or" short-circuit; every other operator goes to the operator table.
CBinaryOp* NewBinaryNode(CNode* owner, Operator op) {
  if (op == Operator::kAnd) return new CAndOp(owner);
  if (op == Operator::kOr) return new COrOp(owner);
  return new CBinaryOp(owner);
}

void Binary(const TRule& r, bool bitwise) {
  const Operator op = OperatorCode(r.TextOf(2), bitwise);
  CBinaryOp* operation = NewBinaryNode(r.builder.Current(), op);
  CValue* left = r.TakeValue(1);
  operation->Init(left, op, r.TakeValue(3));
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

// Names, members, calls, list literals, indexes and arguments.

void BuildPassFirst(const TRule& r) { r.Pass(1); }

void BuildPassSecond(const TRule& r) { r.Pass(2); }

void BuildName(const TRule& r) { Name(r, false); }

void BuildOptionalName(const TRule& r) { Name(r, true); }

void BuildMember(const TRule& r) { Member(r, r.TextOf(3), false); }

void BuildOptionalMember(const TRule& r) { Member(r, r.TextOf(3), true); }

void BuildStringMember(const TRule& r) { Member(r, UnquoteString(r.TextOf(3)), false); }

void BuildCall(const TRule& r) {
  CValue* callee = r.TakeValue(1);
  r.Give(new CCall(r.builder.Current(), callee, TakeArguments(r, 3)));
}

void BuildList(const TRule& r) {
  auto* list = new CObjectValue(r.builder.Current());
  if (CValueList* members = TakeArguments(r, 2)) list->SetMembers(members);
  r.Give(list);
}

void BuildIndex(const TRule& r) {
  CValue* object = r.TakeValue(1);
  r.Give(new CIndexRef(r.builder.Current(), object, r.TakeValue(3)));
}

void BuildFirstArg(const TRule& r) { AppendArgument(r, new CArgumentCarrier(r.builder.Current()), 1); }

void BuildNextArg(const TRule& r) {
  auto* carrier = static_cast<CArgumentCarrier*>(r.Take(1));
  AppendArgument(r, carrier ? carrier : new CArgumentCarrier(r.builder.Current()), 3);
}

void BuildNamedArg(const TRule& r) { NameArgument(r, r.TextOf(1)); }

void BuildStringNamedArg(const TRule& r) { NameArgument(r, UnquoteString(r.TextOf(1))); }

// Literal values: constants owned by the current block.

void BuildNumber(const TRule& r) { r.Give(Constant(r, NumberLiteralValue(r.TextOf(1)))); }

// The sign token is joined to the digits.
void BuildSignedNumber(const TRule& r) { r.Give(Constant(r, NumberLiteralValue(r.TextOf(1) + r.TextOf(2)))); }

void BuildString(const TRule& r) { r.Give(r.builder.Compiler().MakeString(r.TextOf(1), false)); }

// A text that is no date is reported and the literal reads as null.
void BuildDate(const TRule& r) {
  Value date;
  try {
    Value text;
    text.SetText(UnquoteString(TextView(r.TextOf(1)).substr(1)));
    date.SetDate(ToDate(text));
  } catch (const EScriptError& error) {
    r.builder.Report(error.Message());
  }
  r.Give(Constant(r, date));
}

void BuildTrue(const TRule& r) { Boolean(r, true); }

void BuildFalse(const TRule& r) { Boolean(r, false); }

void BuildNull(const TRule& r) { r.Give(Constant(r, Value())); }

void BuildRegex(const TRule& r) {
  if (TRegexLiteralMaker maker = RegexLiteralMaker()) {
    r.Give(maker(r.builder.Current(), r.TextOf(1)));
    return;
  }
  r.builder.Report(r.TextOf(1) + QT(": regular expressions are not available"));
  r.Give(Constant(r, Value()));
}

// Operators, deferred calls, "new", "var x" as a value and DOT_OP calls.

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

}  // namespace runtime
