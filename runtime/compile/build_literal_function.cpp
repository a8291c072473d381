// Function values: "{" ... "}" with a nested parse of the body, and arrow
// functions whose body returns the expression after the arrow.
#include "../tree/function.h"
#include "build_parts.h"

namespace {

void BraceFunction(const TRule& r, int paramsAt) {
  CFunction* function = paramsAt ? TakeOrMakeFunction(r.builder, r[paramsAt]) : NewFunction(r.builder);
  // The nested parse may raise (a missing base class ends the compile).
  CBaseRef keep(function);
  function->Release();
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
