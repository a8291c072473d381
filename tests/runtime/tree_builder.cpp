#include "tree_builder.h"

#include "test_nodes.h"
#include "tree/assign_stmt.h"
#include "tree/expr_stmt.h"
#include "tree/jump_stmt.h"
#include "tree/value_list.h"
#include "value/text_access.h"

Text T(const char* ascii) { return TextFromAscii(ascii); }

TreeBuilder::TreeBuilder() : module_(new CModule(nullptr)), scope_(module_) {}

TreeBuilder::~TreeBuilder() { ReleaseTree(); }

void TreeBuilder::ReleaseTree() {
  for (CModule* other : others_) other->Clear();
  for (CModule* other : others_) other->Release();
  others_.clear();
  ReleaseObject(module_);
  module_ = nullptr;
  scope_ = nullptr;
}

void TreeBuilder::In(CBlock* block, const Body& body) {
  CBlock* outer = scope_;
  scope_ = block;
  if (body) body();
  scope_ = outer;
}

CModule* TreeBuilder::NewModule(const char* fileName) {
  auto* module = new CModule(nullptr);
  module->SetFileName(T(fileName));
  module->LinkTo(module_);
  others_.push_back(module);
  return module;
}

CValue* TreeBuilder::Const(int32_t value) {
  Value v;
  v.SetInt(value);
  return new CValue(scope_, v);
}

CValue* TreeBuilder::Const(const char* text) {
  Value v;
  v.SetText(T(text));
  return new CValue(scope_, v);
}

CValue* TreeBuilder::Null() { return new CValue(scope_); }

CNameRef* TreeBuilder::Name(const char* name, bool optional) { return new CNameRef(scope_, T(name), optional); }

CMemberRef* TreeBuilder::Member(CValue* object, const char* name, bool optional) {
  return new CMemberRef(scope_, T(name), object, optional);
}

CIndexRef* TreeBuilder::Index(CValue* object, CValue* key) { return new CIndexRef(scope_, object, key); }

CValue* TreeBuilder::Named(const char* name, CValue* value) {
  value->SetName(T(name));
  return value;
}

CValue* TreeBuilder::Ref(const char* name) {
  CValue* variable = scope_->Lookup(T(name));
  variable->AddRef();
  return variable;
}

CCall* TreeBuilder::MakeCall(CValue* callee, std::initializer_list<CValue*> args) {
  CValueList* list = nullptr;
  if (args.size()) {
    list = new CValueList();
    for (CValue* arg : args) list->Add(arg);
  }
  return new CCall(scope_, callee, list);
}

CCall* TreeBuilder::Call(CValue* callee, std::initializer_list<CValue*> args) { return MakeCall(callee, args); }

CCall* TreeBuilder::Defer(CValue* callee, std::initializer_list<CValue*> args) {
  CCall* call = MakeCall(callee, args);
  call->SetDeferred(true);
  return call;
}

CObjectValue* TreeBuilder::Object(std::initializer_list<CValue*> members) {
  auto* object = new CObjectValue(scope_);
  for (CValue* member : members) object->Members()->Add(member);
  return object;
}

CCopyExpr* TreeBuilder::New(CValue* operand) { return new CCopyExpr(scope_, operand); }

CValue* TreeBuilder::Op(char code, CValue* left, CValue* right) { return new CTestOp(scope_, code, left, right); }

CVariable* TreeBuilder::Var(const char* name) { return CVariable::Declare(scope_, T(name)); }

void TreeBuilder::Add(CStatement* statement) { scope_->AddChild(statement); }

void TreeBuilder::Assign(CValue* target, CValue* value) { Add(new CAssignStmt(scope_, target, value)); }

void TreeBuilder::Print(CValue* value) { Add(new CPrintStmt(scope_, value, QT("\n"))); }

void TreeBuilder::PrintComma(CValue* value) { Add(new CPrintStmt(scope_, value, QT(" "))); }

void TreeBuilder::Do(CValue* expression) { Add(new CExprStmt(scope_, expression)); }

void TreeBuilder::Return(CValue* value) {
  auto* statement = new CReturnStmt(scope_);
  statement->SetValueExpr(value);
  CFunction* function = scope_->AsFunction() ? scope_->AsFunction() : EnclosingFunction(scope_);
  statement->SetTarget(function ? function->Body() : module_);
  Add(statement);
}

void TreeBuilder::Jump(CBlock* target) {
  auto* statement = new CJumpStmt(scope_);
  statement->SetTarget(target);
  Add(statement);
}

void TreeBuilder::If(CValue* condition, const Body& then, const Body& otherwise) {
  auto* node = new CTestIf(scope_, condition);
  Add(node);
  In(node->Body(), then);
  if (otherwise) In(node->Otherwise(), otherwise);
}

CBlock* TreeBuilder::While(CValue* condition, const Body& body) {
  auto* node = new CTestWhile(scope_, condition);
  Add(node);
  In(node->Body(), body);
  return node->Body();
}

void TreeBuilder::TryFinally(const Body& body, const Body& finally) {
  auto* node = new CTestFinally(scope_);
  Add(node);
  In(node->Body(), body);
  In(node->Finally(), finally);
}

void TreeBuilder::Raise(const char* message) { Add(new CTestRaise(scope_, T(message))); }

void TreeBuilder::Use(CModule* module, const char* name) { scope_->Declare(module, T(name)); }

CFunction* TreeBuilder::Function(const char* name, std::initializer_list<const char*> params, const Body& body,
                                 bool isClass, CFunction* base) {
  auto* function = NewNode<CFunction>(scope_, true);
  CValueList* list = nullptr;
  if (params.size()) {
    list = new CValueList();
    for (const char* param : params) {
      CVariable* variable = CVariable::Declare(function->Body(), T(param));
      variable->AddRef();
      list->Add(variable);
    }
  }
  In(function->Init(T(name), list, isClass, base), body);
  return function;
}

CFunction* TreeBuilder::Func(const char* name, std::initializer_list<const char*> params, const Body& body) {
  return Function(name, params, body, false, nullptr);
}

CFunction* TreeBuilder::Class(const char* name, std::initializer_list<const char*> params, const Body& body,
                              CFunction* base) {
  return Function(name, params, body, true, base);
}
