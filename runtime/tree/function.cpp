#include "runtime/tree/function.h"

#include <utility>
#include <vector>

#include "runtime/base/base.h"
#include "runtime/base/list.h"
#include "runtime/error.h"
#include "runtime/stack_guard.h"
#include "runtime/value/var_stack.h"
#include "runtime/tree/block.h"
#include "runtime/tree/call.h"
#include "runtime/tree/object_value.h"
#include "runtime/tree/value_node.h"
#include "runtime/tree/variable.h"
#include "runtime/base/ref.h"

namespace runtime {

namespace {

// Enters a recursion level of a function for the length of a call.
class CLevel {
public:
  explicit CLevel(CVarLevels* levels) : levels_(levels) { levels_->EnterLevel(); }
  ~CLevel() { levels_->LeaveLevel(); }
  CLevel(const CLevel&) = delete;
  CLevel& operator=(const CLevel&) = delete;

private:
  CVarLevels* levels_;
};

}  // namespace

CFunction::CFunction(CNode* owner)
    : CCompound(owner), levels_(new CVarLevels()), localNames_(new CNamedList(false)), result_(NewLocal(QT("result"))) {
  localNames_->Put(QT("@"), result_);
}

CFunction::CFunction()
    : CCompound(nullptr), levels_(new CVarLevels()), localNames_(new CNamedList(false)), result_(nullptr) {}

CFunction::~CFunction() {
  ++functionsGone_;
  if (baseCounted_) ReleaseObject(baseFunction_);
  ReleaseObject(base_);
  ReleaseObject(this_);
  ReleaseObject(result_);
  ReleaseObject(parameters_);
  localNames_->Release();
  levels_->Release();
}

CBlock* CFunction::Init(TextView name, CValueList* parameters, bool isClass, CFunction* base) {
  SetBase(base);
  CBlock* body = Body();
  ReleaseObject(parameters_);
  parameters_ = parameters;
  SetName(name);
  if (CBlock* scope = Owner() ? Owner()->AsBlock() : nullptr; scope && !name.empty())
    CVariable::Declare(scope, name)->SetObject(this);
  isClass_ = isClass;
  if (isClass && !this_) {
    this_ = NewLocal(QT("this"));
    base_ = NewLocal(QT("base"));
  }
  if (this_) {
    this_->SetObject(this);
    base_->SetObject(baseFunction_ ? baseFunction_ : this);
  }
  return body;
}

CVariable* CFunction::NewLocal(TextView name) {
  CVariable* variable = CVariable::Declare(Body(), {});
  variable->SetName(name);
  localNames_->Put(name, variable);
  return variable;
}

// A class lies further down a base's chain only when it is some class's base
// already: a new class checks one link, so a chain of classes compiles in
// time linear in its length.
void CFunction::SetBase(CFunction* base) {
  if (base == this) RaiseError(QT("A class cannot be its own base"));
  if (isBase_)
    for (CFunction* f = base; f; f = f->baseFunction_) {
      ++baseLinksWalked_;
      if (f == this) RaiseError(QT("A class cannot be its own base"));
    }
  // A class declared inside its own base is owned by it: a counted
  // reference back would keep both alive forever.
  const bool counted = base && !IsOwnedBy(this, base);
  if (counted) AddRefObject(base);
  if (baseCounted_) ReleaseObject(baseFunction_);
  baseFunction_ = base;
  baseCounted_ = counted;
  if (base) base->isBase_ = true;
}

CValue* CFunction::FindInScope(TextView name) {
  for (CFunction* f = this; f; f = f->baseFunction_) {
    if (CValue* own = f->Body()->FindOwn(name)) return own;
    if (auto* local = static_cast<CValue*>(f->localNames_->Find(name))) return local;
  }
  return nullptr;
}

CValue* CFunction::Lookup(TextView name) {
  if (CValue* found = FindInScope(name)) return found;
  return CCompound::Lookup(name);
}

bool CFunction::IsBoundTo(const CClassInstance* instance) {
  return this_ && VariantObject(this_->ValueRef()) == instance;
}

const Value& CFunction::Call(CContext& context, CValueList* args) {
  return isClass_ ? CallClass(context, args) : CallPlain(context, args, false);
}

void CFunction::SaveParameterSlots(CSlotSaver& saver) {
  for (int32_t i = 0; i < CValueList::ArgCount(parameters_); ++i)
    if (CValue* parameter = parameters_->At(i)) saver.Save(parameter);
}

const Value& CFunction::CallPlain(CContext& context, CValueList* args, bool positional) {
  CCallDepth depth;
  CSlotSaver saver;
  // With no binding active, every parameter's slot is the one leaving the
  // level restores; bindings by reference made here save their own slots.
  if (saver.BindingsActive()) SaveParameterSlots(saver);
  CLevel level(levels_);
  // Each call starts with no result, so a call that sets none yields null.
  result_->SetValue(Value());
  if (positional)
    BindPositional(args);
  else
    BindArguments(parameters_, args, &saver);
  body_->Execute(context);
  return result_->ValueRef();
}

// What BindArguments does when no argument has a name or is a variable.
void CFunction::BindPositional(CValueList* args) {
  const int32_t given = CValueList::ArgCount(args);
  const int32_t count = CValueList::ArgCount(parameters_);
  for (int32_t i = 0; i < count; ++i)
    if (CValue* parameter = parameters_->At(i)) parameter->SetValue(i < given ? args->At(i)->ValueRef() : DefaultValue());
}

bool IsOwnedBy(CNode* node, CNode* owner) {
  for (CNode* n = node ? node->Owner() : nullptr; n; n = n->Owner())
    if (n == owner) return true;
  return false;
}

// Blocks keep the answer: declaring in every level of a deep nest then takes
// a short climb each instead of one to the top.
CFunction* EnclosingFunction(CNode* node) {
  if (CBlock* block = node ? node->AsBlock() : nullptr; block && block->KnowsFunction()) return block->KnownFunction();
  CFunction* found = nullptr;
  CNode* owner = node ? node->Owner() : nullptr;
  for (; owner; owner = owner->Owner()) {
    if ((found = owner->AsFunction())) break;
    CBlock* block = owner->AsBlock();
    if (block && block->KnowsFunction()) {
      found = block->KnownFunction();
      break;
    }
  }
  for (CNode* passed = node; passed && passed != owner; passed = passed->Owner())
    if (CBlock* block = passed->AsBlock()) block->SetKnownFunction(found);
  return found;
}

// Calling a class: a new instance, built and initialised base first.
const Value& CFunction::CallClass(CContext& context, CValueList* args) {
  CCallDepth depth;
  const Ref<CClassInstance> instance = MakeRef<CClassInstance>(this);
  instance->BuildMembers();
  CSlotSaver saver;
  for (CFunction* f = this; f; f = f->BaseFunction()) f->SaveParameterSlots(saver);
  CInstanceBinding binding(instance);
  for (CFunction* f = this; f; f = f->BaseFunction()) BindArguments(f->parameters_, args, nullptr);
  result_->SetCountedObject(instance);
  ExecuteBodies(context);
  return result_->ValueRef();
}

void CFunction::ExecuteBodies(CContext& context) {
  CCallDepth depth;
  if (baseFunction_) baseFunction_->ExecuteBodies(context);
  Body()->Execute(context);
}

namespace {

CValue* ArgumentFor(TextView name, int32_t position, CValueList* args) {
  if (args && args->HasNames())
    if (CValue* named = args->FindValue(name)) return named;
  if (position >= CValueList::ArgCount(args)) return nullptr;
  CValue* arg = args->At(position);
  if (arg && !arg->Name().empty() && !arg->IsVariable() && !SameName(arg->Name(), name)) return nullptr;
  return arg;
}

// The caller gave the variable its own value at the caller's level (CCall),
// so the parameter shares exactly the caller's value.
void BindByReference(CValue* parameter, CValue* variable) {
  Value* shared = &variable->ValueRef();
  parameter->EnsureLevel();
  *parameter->SlotAddress() = shared;
}

}  // namespace

void BindArguments(CValueList* parameters, CValueList* args, CSlotSaver* saver) {
  const int32_t count = CValueList::ArgCount(parameters);
  for (int32_t i = 0; i < count; ++i) {
    CValue* parameter = parameters->At(i);
    if (!parameter) continue;
    CValue* arg = ArgumentFor(parameter->Name(), i, args);
    if (!arg) {
      parameter->SetValue(Value());
    } else if (arg->IsVariable()) {
      if (saver) saver->Save(parameter);
      BindByReference(parameter, arg);
    } else {
      parameter->SetValue(arg->ValueRef());
    }
  }
}

namespace {

// One stack for the process: savers nest like the calls that own them, and
// its storage is reused from call to call.
std::vector<std::pair<Value**, Value*>> saved;

}  // namespace

CSlotSaver::CSlotSaver() : mark_(saved.size()) {}

void CSlotSaver::Save(CValue* node) {
  Value** slot = node->SlotAddress();
  saved.emplace_back(slot, *slot);
}

void CSlotSaver::Restore() {
  while (saved.size() > mark_) {
    *saved.back().first = saved.back().second;
    saved.pop_back();
  }
}

// Host code may call back at any depth, through frames that never check.
const Value& CallWithArgs(CNode* callable, CContext& context, const Value* values, int32_t count) {
  CheckStackRoom();
  const Ref<CValueList> args = MakeRef<CValueList>();
  for (int32_t i = 0; i < count; ++i) args->Add(new CValue(nullptr, values[i]));
  return callable->Call(context, args);
}

}  // namespace runtime
