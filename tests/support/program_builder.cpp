#include "support/program_builder.h"

#include "runtime/tree/statements.h"
#include "runtime/tree/loops.h"
#include "runtime/tree/op_node.h"
#include "runtime/tree/value_node.h"

using namespace runtime;

ProgramBuilder::ProgramBuilder() : module_(new CModule(nullptr)), scope_(module_) {}

ProgramBuilder::~ProgramBuilder() { ReleaseTree(); }

void ProgramBuilder::ReleaseTree() {
  for (CModule* other : others_) other->Clear();
  for (CModule* other : others_) other->Release();
  others_.clear();
  ReleaseObject(module_);
  module_ = nullptr;
  scope_ = nullptr;
}

void ProgramBuilder::In(CBlock* block, const Body& body) {
  CBlock* outer = scope_;
  scope_ = block;
  if (body) body();
  scope_ = outer;
}

CModule* ProgramBuilder::NewModule(const char* fileName) {
  auto* module = new CModule(nullptr);
  module->SetFileName(T(fileName));
  module->LinkTo(module_);
  others_.push_back(module);
  return module;
}

CValue* ProgramBuilder::Const(int32_t value) {
  Value v;
  v.SetInt(value);
  return new CValue(scope_, v);
}

CValue* ProgramBuilder::Const(double value) {
  Value v;
  v.SetDouble(value);
  return new CValue(scope_, v);
}

CValue* ProgramBuilder::Const(const char* text) {
  Value v;
  v.SetText(T(text));
  return new CValue(scope_, v);
}

CValue* ProgramBuilder::Null() { return new CValue(scope_); }

CNameRef* ProgramBuilder::Name(const char* name, bool optional) { return new CNameRef(scope_, T(name), optional); }

CMemberRef* ProgramBuilder::Member(CValue* object, const char* name, bool optional) {
  return new CMemberRef(scope_, T(name), object, optional);
}

CIndexRef* ProgramBuilder::Index(CValue* object, CValue* key) { return new CIndexRef(scope_, object, key); }

CValue* ProgramBuilder::Named(const char* name, CValue* value) {
  value->SetName(T(name));
  return value;
}

CValue* ProgramBuilder::Ref(const char* name) {
  CValue* variable = scope_->Lookup(T(name));
  variable->AddRef();
  return variable;
}

CCall* ProgramBuilder::MakeCall(CValue* callee, std::initializer_list<CValue*> args) {
  CValueList* list = nullptr;
  if (args.size()) {
    list = new CValueList();
    for (CValue* arg : args) list->Add(arg);
  }
  return new CCall(scope_, callee, list);
}

CCall* ProgramBuilder::Call(CValue* callee, std::initializer_list<CValue*> args) { return MakeCall(callee, args); }

CCall* ProgramBuilder::Defer(CValue* callee, std::initializer_list<CValue*> args) {
  CCall* call = MakeCall(callee, args);
  call->SetDeferred(true);
  return call;
}

CObjectValue* ProgramBuilder::Object(std::initializer_list<CValue*> members) {
  auto* object = new CObjectValue(scope_);
  for (CValue* member : members) object->Members()->Add(member);
  return object;
}

CCopyExpr* ProgramBuilder::New(CValue* operand) { return new CCopyExpr(scope_, operand); }

CValue* ProgramBuilder::Op(char16_t code, CValue* operand) {
  auto* op = new CUnaryOp(scope_);
  op->Init(operand, Operator(code));
  return op;
}

CValue* ProgramBuilder::Op(char16_t code, CValue* left, CValue* right) {
  auto* op = new CBinaryOp(scope_);
  op->Init(left, Operator(code), right);
  return op;
}

CValue* ProgramBuilder::And(CValue* left, CValue* right) {
  auto* op = new CAndOp(scope_);
  op->Init(left, Operator::kNone, right);
  return op;
}

CValue* ProgramBuilder::Or(CValue* left, CValue* right) {
  auto* op = new COrOp(scope_);
  op->Init(left, Operator::kNone, right);
  return op;
}

CVariable* ProgramBuilder::Var(const char* name) { return CVariable::Declare(scope_, T(name)); }

void ProgramBuilder::Add(CStatement* statement) { scope_->AddChild(statement); }

void ProgramBuilder::Assign(CValue* target, CValue* value) { Add(new CAssignStmt(scope_, target, value)); }

void ProgramBuilder::Print(CValue* value) { Add(new CPrintStmt(scope_, value, QT("\n"))); }

void ProgramBuilder::PrintComma(CValue* value) { Add(new CPrintStmt(scope_, value, QT(" "))); }

void ProgramBuilder::Do(CValue* expression) { Add(new CExprStmt(scope_, expression)); }

void ProgramBuilder::Return(CValue* value) {
  auto* statement = new CReturnStmt(scope_);
  statement->SetValueExpr(value);
  CFunction* function = scope_->AsFunction() ? scope_->AsFunction() : EnclosingFunction(scope_);
  statement->SetTarget(function ? function->Body() : module_);
  Add(statement);
}

void ProgramBuilder::Jump(CBlock* target) {
  auto* statement = new CJumpStmt(scope_);
  statement->SetTarget(target);
  Add(statement);
}

CBlock* ProgramBuilder::JumpTarget() {
  if (!loops_.empty() && loops_.back()) return loops_.back();
  CFunction* function = scope_->AsFunction() ? scope_->AsFunction() : EnclosingFunction(scope_);
  return function ? function->Body() : module_;
}

void ProgramBuilder::AddJump(CJumpStmt* jump, CValue* when) {
  jump->SetValueExpr(when);
  jump->SetTarget(JumpTarget());
  Add(jump);
}

void ProgramBuilder::Exit(CValue* when) { AddJump(new CBreakNode(scope_), when); }

void ProgramBuilder::Next(CValue* when) { AddJump(new CNextNode(scope_), when); }

void ProgramBuilder::AddBranches(CSelectNode* node, Branches branches, const Body& otherwise) {
  Add(node);
  for (const auto& [condition, body] : branches) In(node->AddBranch(condition), body);
  if (otherwise) In(node->MakeElse(), otherwise);
}

void ProgramBuilder::If(CValue* condition, const Body& then, const Body& otherwise) {
  Select({{condition, then}}, otherwise);
}

CSelectNode* ProgramBuilder::Select(Branches branches, const Body& otherwise) {
  auto* node = new CSelectNode(scope_);
  AddBranches(node, branches, otherwise);
  return node;
}

CCaseNode* ProgramBuilder::Case(CValue* selector, Branches branches, const Body& otherwise) {
  auto* node = (new CCaseNode(scope_))->Init(selector);
  AddBranches(node, branches, otherwise);
  return node;
}

void ProgramBuilder::InLoop(CBlock* body, const Body& build) {
  loops_.push_back(body);
  In(body, build);
  loops_.pop_back();
}

CBlock* ProgramBuilder::While(CValue* condition, const Body& body) {
  auto* node = new CLoopNode(scope_);
  Add(node);
  InLoop(node->Init(condition), body);
  return node->Body();
}

CForNode* ProgramBuilder::For(const char* name, CValue* start, CValue* limit, const Body& body) {
  return For(name, start, limit, nullptr, body);
}

CForNode* ProgramBuilder::For(const char* name, CValue* start, CValue* limit, CValue* step, const Body& body) {
  auto* node = new CForNode(scope_);
  Add(node);
  InLoop(node->Init(T(name), start, limit, step), body);
  return node;
}

CForEachNode* ProgramBuilder::ForEach(const char* value, CValue* collection, const Body& body, const char* index,
                                   const char* key) {
  auto* node = new CForEachNode(scope_);
  Add(node);
  InLoop(node->Init(T(value), collection, T(index), T(key)), body);
  return node;
}

CTryNode* ProgramBuilder::Try(const Body& body, const Body& except, const Body& finally) {
  auto* node = new CTryNode(scope_);
  Add(node);
  In(node->Body(), body);
  if (except) In(node->MakeExcept(), except);
  if (finally) In(node->MakeFinally(), finally);
  return node;
}

void ProgramBuilder::Raise(CValue* value) {
  auto* statement = new CRaiseNode(scope_);
  statement->SetValueExpr(value);
  Add(statement);
}

void ProgramBuilder::Use(CModule* module, const char* name) { scope_->Declare(module, T(name)); }

CFunction* ProgramBuilder::Function(const char* name, std::initializer_list<const char*> params, const Body& body,
                                 bool isClass, CFunction* base) {
  auto* function = NewNode<CFunction>(scope_, true);
  loops_.push_back(nullptr);
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
  loops_.pop_back();
  return function;
}

CFunction* ProgramBuilder::Func(const char* name, std::initializer_list<const char*> params, const Body& body) {
  return Function(name, params, body, false, nullptr);
}

CFunction* ProgramBuilder::Class(const char* name, std::initializer_list<const char*> params, const Body& body,
                              CFunction* base) {
  return Function(name, params, body, true, base);
}
