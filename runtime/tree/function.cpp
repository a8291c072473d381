#include "function.h"

#include "../base/list.h"
#include "../error.h"
#include "../value/var_stack.h"
#include "bind_arguments.h"
#include "block.h"
#include "call_depth.h"
#include "class_instance.h"
#include "slot_saver.h"
#include "value_list.h"
#include "variable.h"

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

void CFunction::SetBase(CFunction* base) {
  for (CFunction* f = base; f; f = f->baseFunction_)
    if (f == this) RaiseError(QT("A class cannot be its own base"));
  // A class declared inside its own base is owned by it: a counted
  // reference back would keep both alive forever.
  const bool counted = base && !IsOwnedBy(this, base);
  if (counted) AddRefObject(base);
  if (baseCounted_) ReleaseObject(baseFunction_);
  baseFunction_ = base;
  baseCounted_ = counted;
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
  return isClass_ ? CallClass(context, args) : CallPlain(context, args);
}

void CFunction::SaveParameterSlots(CSlotSaver& saver) {
  for (int32_t i = 0; i < CValueList::ArgCount(parameters_); ++i)
    if (CValue* parameter = parameters_->At(i)) saver.Save(parameter);
}

const Value& CFunction::CallPlain(CContext& context, CValueList* args) {
  CCallDepth depth;
  CSlotSaver saver;
  // With no binding active, every parameter's slot is the one leaving the
  // level restores; bindings by reference made here save their own slots.
  if (saver.BindingsActive()) SaveParameterSlots(saver);
  CLevel level(levels_);
  // Each call starts with no result, so a call that sets none yields null.
  result_->SetValue(Value());
  BindArguments(parameters_, args, &saver);
  body_->Execute(context);
  return result_->ValueRef();
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
