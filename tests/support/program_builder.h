// Builds program trees in code, so that tests read like little scripts:
//   Func("f", {"n"}, [&] { Return(Op('*', Name("n"), Const(2))); });
//   Print(Call(Name("f"), {Const(4)}));
// Expressions come back with one reference that the statement, list or
// object they are passed to takes over. Statements go into the current
// scope, which Func, Class, the control statements and In switch for their
// blocks. Exit and Next target the innermost loop being built.
#pragma once
#include <functional>
#include <initializer_list>
#include <utility>
#include <vector>

#include "support/text_util.h"
#include "runtime/tree/call.h"
#include "runtime/tree/control_nodes.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/loops.h"
#include "runtime/tree/function.h"
#include "runtime/tree/references.h"
#include "runtime/tree/statements.h"
#include "runtime/tree/block.h"
#include "runtime/tree/variable.h"

using namespace runtime;

using Body = std::function<void()>;
// Conditions (or case values) with their blocks.
using Branches = std::initializer_list<std::pair<CValue*, Body>>;

class ProgramBuilder {
public:
  ProgramBuilder();
  ~ProgramBuilder();

  CModule* Module() const { return module_; }
  CBlock* Scope() const { return scope_; }
  void In(CBlock* block, const Body& body);
  // A further module (owned by the builder) linked with the main one.
  CModule* NewModule(const char* fileName);
  // Unloads and releases every module built; the counting checks run after this.
  void ReleaseTree();

  CValue* Const(int32_t value);
  CValue* Const(double value);
  CValue* Const(const char* text);
  CValue* Null();
  CNameRef* Name(const char* name, bool optional = false);
  CMemberRef* Member(CValue* object, const char* name, bool optional = false);
  CIndexRef* Index(CValue* object, CValue* key);
  // A named argument or object member.
  CValue* Named(const char* name, CValue* value);
  // "var name": the variable itself, passed by reference.
  CValue* Ref(const char* name);
  CCall* Call(CValue* callee, std::initializer_list<CValue*> args = {});
  CCall* Defer(CValue* callee, std::initializer_list<CValue*> args = {});
  CObjectValue* Object(std::initializer_list<CValue*> members);
  CCopyExpr* New(CValue* operand);
  // code: the operator's code as images store it ('+', 'l' for "<=", ...).
  CValue* Op(char16_t code, CValue* operand);
  CValue* Op(char16_t code, CValue* left, CValue* right);
  CValue* And(CValue* left, CValue* right);
  CValue* Or(CValue* left, CValue* right);

  void Add(CStatement* statement);
  CVariable* Var(const char* name);
  void Assign(CValue* target, CValue* value);
  void Set(const char* name, CValue* value) { Assign(Name(name), value); }
  void Print(CValue* value);
  void PrintComma(CValue* value);
  void Do(CValue* expression);
  void Return(CValue* value = nullptr);
  void Jump(CBlock* target);
  void Exit(CValue* when = nullptr);
  void Next(CValue* when = nullptr);
  void If(CValue* condition, const Body& then, const Body& otherwise = {});
  CSelectNode* Select(Branches branches, const Body& otherwise = {});
  CCaseNode* Case(CValue* selector, Branches branches, const Body& otherwise = {});
  // A null condition loops until a jump leaves.
  CBlock* While(CValue* condition, const Body& body);
  CForNode* For(const char* name, CValue* start, CValue* limit, const Body& body);
  CForNode* For(const char* name, CValue* start, CValue* limit, CValue* step, const Body& body);
  CForEachNode* ForEach(const char* value, CValue* collection, const Body& body, const char* index = "",
                        const char* key = "");
  // Null blocks are left out.
  CTryNode* Try(const Body& body, const Body& except, const Body& finally = {});
  void TryFinally(const Body& body, const Body& finally) { Try(body, {}, finally); }
  void Raise(CValue* value);
  void Raise(const char* message) { Raise(Const(message)); }
  void Use(CModule* module, const char* name = "");
  CFunction* Func(const char* name, std::initializer_list<const char*> params, const Body& body);
  CFunction* Class(const char* name, std::initializer_list<const char*> params, const Body& body,
                   CFunction* base = nullptr);

private:
  CFunction* Function(const char* name, std::initializer_list<const char*> params, const Body& body,
                      bool isClass, CFunction* base);
  CCall* MakeCall(CValue* callee, std::initializer_list<CValue*> args);
  void AddBranches(CSelectNode* node, Branches branches, const Body& otherwise);
  // Builds a loop body, the target of the loop jumps inside it.
  void InLoop(CBlock* body, const Body& build);
  CBlock* JumpTarget();
  void AddJump(CJumpStmt* jump, CValue* when);

  CModule* module_;
  CBlock* scope_;
  // Bodies of the loops being built; null while a function body is built.
  std::vector<CBlock*> loops_;
  std::vector<CModule*> others_;
};
