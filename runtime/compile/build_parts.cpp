#include "runtime/compile/build_parts.h"

#include "runtime/tree/block.h"
#include "runtime/tree/function.h"
#include "runtime/tree/statements.h"
#include "runtime/tree/value_node.h"
#include "runtime/tree/variable.h"

namespace runtime {

bool PlaceStatement(TTreeBuilder& builder, CStatement* statement, std::initializer_list<CValue*> parts) {
  if (builder.AddStatement(statement)) return true;
  for (CValue* part : parts) ReleaseObject(part);
  return false;
}

void EnterCompound(TTreeBuilder& builder, CCompound* compound, CBlock* body, TextView keyword) {
  builder.Open(compound, keyword);
  builder.SetCurrent(body);
}

CFunction* NewFunction(TTreeBuilder& builder) {
  auto* function = new CFunction(builder.Current());
  builder.Adopt(function);
  function->AddRef();
  return function;
}

CFunction* TakeOrMakeFunction(TTreeBuilder& builder, TParseValue& value) {
  CNode* held = builder.Take(value);
  if (CFunction* function = held ? held->AsFunction() : nullptr) return function;
  ReleaseObject(held);
  return NewFunction(builder);
}

void AddParameter(CFunction* function, TextView name) {
  CValueList* parameters = function->Parameters();
  if (!parameters) {
    parameters = new CValueList();
    function->Init({}, parameters, false, nullptr);
  }
  CVariable* parameter = CVariable::Declare(function->Body(), name);
  parameter->AddRef();
  parameters->Add(parameter);
}

CBlock* InitFunction(CFunction* function, TextView name, bool isClass, CFunction* base) {
  CValueList* parameters = function->Parameters();
  // Init lets go of the list it held before it takes this one.
  AddRefObject(parameters);
  return function->Init(name, parameters, isClass, base);
}

void ReturnFrom(CFunction* function, CValue* expression) {
  CBlock* body = function->Body();
  auto* statement = new CReturnStmt(body);
  statement->SetValueExpr(expression);
  statement->SetTarget(body);
  body->AddChild(statement);
}

CValue* FunctionValue(CNode* owner, CFunction* function) {
  auto* value = new CValue(owner);
  value->SetObject(function);
  return value;
}

CValue* BoundNameRef(CCompiler& compiler, CVariable* variable) {
  CValue* reference = compiler.MakeNameRef(variable->Name(), false);
  // Reading the value resolves the name, and a resolved reference keeps its target.
  reference->ValueRef();
  return reference;
}

}  // namespace runtime
