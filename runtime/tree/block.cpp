#include "runtime/tree/block.h"

#include "runtime/base/list.h"
#include "runtime/lib/context.h"
#include "runtime/stack_guard.h"
#include "runtime/tree/call.h"
#include "runtime/tree/value_node.h"
#include "runtime/tree/variable.h"

namespace runtime {

CBlock::CBlock(CNode* owner)
    : CStatement(owner),
      children_(new CList(true)),
      usedModules_(new CList(false)),
      names_(new CNamedList(true)),
      replaced_(new CList(true)) {}

CBlock::~CBlock() {
  names_->Release();
  replaced_->Release();
  usedModules_->Release();
  children_->Release();
}

void CBlock::Clear() {
  statements_.clear();
  usedModules_->Clear();
  children_->Clear();
  names_->Items().Clear();
  names_->Clear();
  replaced_->Clear();
}

void CBlock::AddChild(CNode* child) {
  children_->Put(child, -1);
  if (CStatement* statement = statementsListed_ && child ? child->AsStatement() : nullptr)
    statements_.push_back(statement);
}

void CBlock::ListStatements() {
  statements_.clear();
  const int32_t count = children_->Count();
  for (int32_t i = 0; i < count; ++i)
    if (CStatement* statement = static_cast<CNode*>(children_->Get(i))->AsStatement()) statements_.push_back(statement);
  statementsListed_ = true;
}

// Blocks nest as deep as the source does.
void CBlock::Execute(CContext& context) {
  CheckStackRoom();
  try {
    RunChildren(context);
  } catch (...) {
    // A jump whose blocks were left by an error must not stop the next run.
    context.EndJump();
    throw;
  }
}

// Statements added while the block runs wait for its next run; the list is
// read afresh each time, as a statement may add to it or clear it.
void CBlock::RunChildren(CContext& context) {
  if (!statementsListed_) ListStatements();
  const size_t count = statements_.size();
  for (size_t i = 0; i < count && i < statements_.size(); ++i) {
    CStatement* statement = statements_[i];
    context.EnterStatement(statement);
    statement->Execute(context);
    if (CBlock* target = context.JumpTarget()) {
      if (target == this) context.EndJump();
      return;
    }
  }
}

// The search climbs the enclosing scopes one call per level.
CValue* CBlock::Lookup(TextView name) {
  CheckStackRoom();
  if (CValue* own = FindOwn(name)) return own;
  for (int32_t i = usedModules_->Count() - 1; i >= 0; --i)
    if (CValue* found = static_cast<CNode*>(usedModules_->Get(i))->Lookup(name)) return found;
  return CStatement::Lookup(name);
}

void CBlock::Declare(CNode* node, TextView name) {
  node->AddRef();
  AddChild(node);
  if (name.empty()) {
    usedModules_->Put(node, -1);
    return;
  }
  CVariable::Declare(this, name)->SetObject(node);
}

CValue* CBlock::FindOwn(TextView name) { return static_cast<CValue*>(names_->Find(name)); }

CNode* CBlock::Child(int32_t index) const {
  return index >= 0 && index < children_->Count() ? static_cast<CNode*>(children_->Get(index)) : nullptr;
}

int32_t CBlock::ChildCount() const { return children_->Count(); }

int32_t CBlock::UsedModuleCount() const { return usedModules_->Count(); }

CNode* CBlock::UsedModule(int32_t index) const { return static_cast<CNode*>(usedModules_->Get(index)); }

void CBlock::DeclareName(CVariable* variable) {
  CBase* replaced = names_->Find(variable->Name());
  names_->Put(variable->Name(), variable);
  if (replaced) replaced_->Put(replaced, -1);
}

int32_t CBlock::NameCount() const { return names_->Count(); }

CValue* CBlock::NameAt(int32_t index) const { return static_cast<CValue*>(names_->Get(index)); }

CModule::CModule(CNode* owner) : CBlock(owner) {}

CModule::~CModule() { Unlink(); }

void CModule::Execute(CContext& context) {
  if (ran_) return;
  ran_ = true;
  CBlock::Execute(context);
}

// A compiled chunk may call itself, as a function can.
const Value& CModule::Call(CContext& context, CValueList*) {
  CCallDepth depth;
  CBlock::Execute(context);
  return DefaultValue();
}

CValue* CModule::Lookup(TextView name) {
  if (lookupGuard_ > 0) return nullptr;
  ++lookupGuard_;
  struct Lower {
    int32_t& guard;
    ~Lower() { --guard; }
  } lower{lookupGuard_};
  return CBlock::Lookup(name);
}

void CModule::LinkTo(CModule* other) {
  Unlink();
  next_ = other->next_;
  other->next_ = this;
}

void CModule::Unlink() {
  CModule* previous = next_;
  while (previous->next_ != this) previous = previous->next_;
  previous->next_ = next_;
  next_ = this;
}

CModule* CModule::FindLoaded(TextView fileName) {
  CModule* module = this;
  do {
    if (SameName(module->fileName_, fileName)) return module;
    module = module->next_;
  } while (module != this);
  return nullptr;
}

CCompound::~CCompound() {
  ReleaseObject(conditions_);
  ReleaseObject(body_);
}

CBlock* CCompound::NewBody() {
  body_ = new CBlock(this);
  return body_;
}

void CCompound::AddCondition(CValue* condition) {
  if (!conditions_) conditions_ = new CList(true);
  conditions_->Put(condition, -1);
}

}  // namespace runtime
