// A block: statements in order, the modules it uses and the names it scopes.
// A jump out of the block sets its break flag; the block clears it when it
// stops.
#pragma once
#include "statement.h"

class CList;
class CNamedList;
class CVariable;

class CBlock : public CStatement {
public:
  explicit CBlock(CNode* owner);
  ~CBlock() override;

  ClassId Id() const override { return ClassId::kBlock; }
  CBlock* AsBlock() override { return this; }

  void AddChild(CNode* child) override;
  void Execute(CContext& context) override;
  CValue* Lookup(TextView name) override;
  // A module without a name is used; with one, a variable of that name refers to it.
  void Declare(CNode* node, TextView name) override;

  CValue* FindOwn(TextView name);
  // Null outside 0 .. ChildCount() - 1.
  CNode* Child(int32_t index) const;
  int32_t ChildCount() const;
  // The used modules in the order they were used.
  int32_t UsedModuleCount() const;
  CNode* UsedModule(int32_t index) const;
  // Enters a named variable, taking over one reference. A later entry of the
  // same name replaces the earlier one, which stays alive for the references
  // that resolved to it.
  void DeclareName(CVariable* variable);
  // The declared names in declaration order.
  int32_t NameCount() const;
  CValue* NameAt(int32_t index) const;

  // Drops the statements, used modules and names. Run over every loaded
  // module before they are released, it frees modules that use each other.
  void Clear();

  // The function this block lies in, as EnclosingFunction last found it;
  // known only while no owner has changed since.
  bool KnowsFunction() const { return functionKnownAt_ == OwnerChanges() + 1; }
  CFunction* KnownFunction() const { return function_; }
  void SetKnownFunction(CFunction* function) {
    function_ = function;
    functionKnownAt_ = OwnerChanges() + 1;
  }

  void SetBreak() { break_ = true; }
  bool BreakSet() const { return break_; }

private:
  friend class CBlockStreamer;

  void RunChildren(CContext& context);

  CList* children_;  // owning
  CList* usedModules_;
  CNamedList* names_;  // owning
  CList* replaced_;    // owning
  CFunction* function_ = nullptr;
  uint64_t functionKnownAt_ = 0;  // OwnerChanges() + 1 when known
  bool break_ = false;
};
