// Blocks, modules and the statements with a body block of their own.
#pragma once
#include <vector>

#include "runtime/base/list.h"
#include "runtime/tree/node.h"
#include "runtime/tree/value_node.h"

namespace runtime {

// A block: statements in order, the modules it uses and the names it scopes.
// A jump under way (the context's jump target) stops the block after the
// statement that made or passed it; the target block ends the jump.
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

private:
  friend class CBlockStreamer;

  void RunChildren(CContext& context);
  void ListStatements();

  CList* children_;  // owning
  CList* usedModules_;
  CNamedList* names_;  // owning
  CList* replaced_;    // owning
  CFunction* function_ = nullptr;
  uint64_t functionKnownAt_ = 0;  // OwnerChanges() + 1 when known
  // The children that are statements, listed on the first run (compiled
  // images fill the children after construction) and kept up by AddChild.
  std::vector<CStatement*> statements_;
  bool statementsListed_ = false;
};

// A module: the block of one loaded file. Loaded modules form a circular list.
class CModule : public CBlock {
public:
  explicit CModule(CNode* owner);
  ~CModule() override;

  ClassId Id() const override { return ClassId::kModule; }

  // Runs once per load, whoever executes it.
  void Execute(CContext& context) override;
  // Runs the statements every time.
  const Value& Call(CContext& context, CValueList* args) override;
  // Modules that use each other find nothing twice instead of searching forever.
  CValue* Lookup(TextView name) override;

  // Joins the circle of loaded modules that other belongs to.
  void LinkTo(CModule* other);
  // The loaded module of that file (ASCII case ignored), or null.
  CModule* FindLoaded(TextView fileName);
  CModule* Next() const { return next_; }

  const Text& FileName() const { return fileName_; }
  void SetFileName(TextView fileName) { fileName_ = fileName; }
  bool Ran() const { return ran_; }

private:
  friend class CModuleStreamer;

  void Unlink();

  CModule* next_ = this;
  Text fileName_;
  bool ran_ = false;
  int32_t lookupGuard_ = 0;
};

// A statement with a body block of its own (created on first use, owned here
// and not one of the owner's children) and a list of branch conditions.
// Base of functions and control statements.
class CCompound : public CLineStatement {
public:
  using CLineStatement::CLineStatement;
  ~CCompound() override;

  ClassId Id() const override { return ClassId::kCompound; }

  CBlock* Body() { return body_ ? body_ : NewBody(); }
  // Takes over one reference of the condition.
  void AddCondition(CValue* condition);
  int32_t ConditionCount() const { return conditions_ ? conditions_->Count() : 0; }
  CValue* Condition(int32_t index) const { return static_cast<CValue*>(conditions_->Get(index)); }

protected:
  friend class CCompoundStreamer;
  friend class CSelectNodeStreamer;

  CBlock* body_ = nullptr;

private:
  CBlock* NewBody();

  CList* conditions_ = nullptr;  // owning
};

}  // namespace runtime
