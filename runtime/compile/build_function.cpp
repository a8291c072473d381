// Functions: function and class heads, parameter lists, "var f(params) = e",
// "{" ... "}" with a nested parse of the body, and arrow functions whose body
// returns the expression after the arrow.
#include "runtime/error.h"
#include "runtime/tree/block.h"
#include "runtime/tree/function.h"
#include "runtime/tree/statements.h"
#include "runtime/tree/value_node.h"
#include "runtime/tree/variable.h"
#include "runtime/compile/build_parts.h"
#include "runtime/base/ref.h"

namespace runtime {

namespace {

// The head's parameter list already made the function unless it was empty.
// Outside a block (right after "case ... is") its name would go nowhere: it
// is reported, and the function still opens so that its "end" matches.
void OpenFunction(const TRule& r, int paramsAt, bool isClass, CFunction* base) {
  CFunction* function = TakeOrMakeFunction(r.builder, r[paramsAt]);
  const Ref<CFunction> keep = Adopt(function);
  if (!function->Owner()->AsBlock()) r.builder.Report(QT("syntax error"));
  CBlock* body = InitFunction(function, r.TextOf(2), isClass, base);
  r.builder.Open(function, r.TextOf(1));
  r.builder.SetCurrent(body);
}

// Resolved once, at compile time, from the block the class is declared in.
CFunction* FindBase(const TRule& r, const Text& name) {
  CNode* scope = r.builder.Current();
  if (CNode* function = r[5].node) scope = function->Owner();
  CValue* found = scope->Lookup(name);
  if (!found) RaiseError(name + QT(" not found"));
  return FunctionOf(found->ValueRef());
}

void BraceFunction(const TRule& r, int paramsAt) {
  CFunction* function = paramsAt ? TakeOrMakeFunction(r.builder, r[paramsAt]) : NewFunction(r.builder);
  // The nested parse may raise (a missing base class ends the compile).
  const Ref<CFunction> keep = Adopt(function);
  InitFunction(function, {}, false, nullptr);
  r.builder.Open(function, QT("{"));
  r.builder.ParseFunctionBody(function);
  // A parameter list made the function's body current.
  r.builder.SetCurrent(function->Owner());
  r.Give(FunctionValue(r.builder.Current(), function));
}

void StartArrow(const TRule& r, CFunction* function) {
  r.builder.SetCurrent(function->Body());
  r.Give(function);
}

}  // namespace

// Function and class heads, parameter lists, and "var f(params) = e".

void BuildFunctionHead(const TRule& r) { OpenFunction(r, 3, false, nullptr); }

void BuildClassHead(const TRule& r) { OpenFunction(r, 3, true, nullptr); }

void BuildDerivedClassHead(const TRule& r) { OpenFunction(r, 5, true, FindBase(r, r.TextOf(4))); }

void BuildParamsValue(const TRule& r) { r.Pass(2); }

void BuildFirstParam(const TRule& r) {
  CFunction* function = NewFunction(r.builder);
  AddParameter(function, r.TextOf(1));
  r.builder.SetCurrent(function->Body());
  r.Give(function);
}

void BuildNextParam(const TRule& r) {
  CFunction* function = TakeOrMakeFunction(r.builder, r[1]);
  AddParameter(function, r.TextOf(3));
  r.builder.SetCurrent(function->Body());
  r.Give(function);
}

// var f(params) = e: the expression was compiled inside the function.
void BuildShortFunction(const TRule& r) {
  ReleaseObject(r.Take(3));
  CFunction* function = TakeOrMakeFunction(r.builder, r[5]);
  InitFunction(function, {}, false, nullptr);
  ReturnFrom(function, r.TakeValue(6));
  r.builder.SetCurrent(function->Owner());
  CBlock* scope = function->Owner()->AsBlock();
  if (!scope) {
    r.builder.Report(QT("syntax error"));
    function->Release();
    return;
  }
  CVariable* variable = CVariable::Declare(scope, r.TextOf(2));
  CValue* target = BoundNameRef(r.builder.Compiler(), variable);
  r.builder.AddStatement(new CAssignStmt(scope, target, FunctionValue(scope, function)));
  function->Release();
}

// Function values: "{" ... "}" with a nested parse of the body, and arrow
// functions whose body returns the expression after the arrow.

void BuildBraceFunction(const TRule& r) { BraceFunction(r, 2); }

void BuildParamsBraceFunction(const TRule& r) { BraceFunction(r, 1); }

void BuildPlainBraceFunction(const TRule& r) { BraceFunction(r, 0); }

void BuildLambdaStart(const TRule& r) {
  CFunction* function = r[-1].node ? r[-1].node->AsFunction() : nullptr;
  if (function)
    function->AddRef();
  else
    function = NewFunction(r.builder);
  StartArrow(r, function);
}

void BuildLambda1Start(const TRule& r) {
  CFunction* function = NewFunction(r.builder);
  AddParameter(function, r.TextOf(-1));
  StartArrow(r, function);
}

void BuildLambda0Start(const TRule& r) { StartArrow(r, NewFunction(r.builder)); }

void BuildArrowFunction(const TRule& r) {
  const int last = r.values.Length();
  CValue* expression = r.TakeValue(last);
  CFunction* function = TakeOrMakeFunction(r.builder, r[last - 1]);
  for (int i = 1; i < last - 1; ++i) ReleaseObject(r.Take(i));
  InitFunction(function, {}, false, nullptr);
  ReturnFrom(function, expression);
  r.builder.SetCurrent(function->Owner());
  r.Give(FunctionValue(r.builder.Current(), function));
  function->Release();
}

}  // namespace runtime
