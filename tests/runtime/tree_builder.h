// Builds program trees in code, so that tests read like little scripts:
//   Func("f", {"n"}, [&] { Return(Op('*', Name("n"), Const(2))); });
//   Print(Call(Name("f"), {Const(4)}));
// Expressions come back with one reference that the statement, list or
// object they are passed to takes over. Statements go into the current
// scope, which Func, Class, If, While and In switch for their bodies.
#pragma once
#include <functional>
#include <initializer_list>
#include <vector>

#include "tree/call.h"
#include "tree/copy_expr.h"
#include "tree/function.h"
#include "tree/index_ref.h"
#include "tree/member_ref.h"
#include "tree/module.h"
#include "tree/object_value.h"
#include "tree/variable.h"

using Body = std::function<void()>;

Text T(const char* ascii);

class TreeBuilder {
public:
  TreeBuilder();
  ~TreeBuilder();

  CModule* Module() const { return module_; }
  CBlock* Scope() const { return scope_; }
  void In(CBlock* block, const Body& body);
  // A further module (owned by the builder) linked with the main one.
  CModule* NewModule(const char* fileName);
  // Unloads and releases every module built; the counting checks run after this.
  void ReleaseTree();

  CValue* Const(int32_t value);
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
  CValue* Op(char code, CValue* left, CValue* right);

  void Add(CStatement* statement);
  CVariable* Var(const char* name);
  void Assign(CValue* target, CValue* value);
  void Set(const char* name, CValue* value) { Assign(Name(name), value); }
  void Print(CValue* value);
  void PrintComma(CValue* value);
  void Do(CValue* expression);
  void Return(CValue* value = nullptr);
  void Jump(CBlock* target);
  void If(CValue* condition, const Body& then, const Body& otherwise = {});
  CBlock* While(CValue* condition, const Body& body);
  void TryFinally(const Body& body, const Body& finally);
  void Raise(const char* message);
  void Use(CModule* module, const char* name = "");
  CFunction* Func(const char* name, std::initializer_list<const char*> params, const Body& body);
  CFunction* Class(const char* name, std::initializer_list<const char*> params, const Body& body,
                   CFunction* base = nullptr);

private:
  CFunction* Function(const char* name, std::initializer_list<const char*> params, const Body& body,
                      bool isClass, CFunction* base);
  CCall* MakeCall(CValue* callee, std::initializer_list<CValue*> args);

  CModule* module_;
  CBlock* scope_;
  std::vector<CModule*> others_;
};
