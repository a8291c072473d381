#include "runtime/tree/object_value.h"

#include "runtime/stack_guard.h"
#include "runtime/value/var_stack.h"
#include "runtime/tree/block.h"
#include "runtime/tree/call.h"
#include "runtime/tree/function.h"
#include "runtime/tree/value_node.h"
#include "runtime/tree/variable.h"
#include "runtime/base/ref.h"

namespace runtime {

CObjectValue::CObjectValue(CNode* owner) : CValue(owner) { value_.SetObject(this); }

CObjectValue::~CObjectValue() { ReleaseObject(members_); }

CNode* CObjectValue::Item(int32_t index) {
  const int32_t count = MemberCount();
  if (index < 0) index += count;
  return index >= 0 && index < count ? members_->At(index) : nullptr;
}

// Literals nest as deep as the source does.
void CObjectValue::Compute(CContext& context) {
  if (computed_) return;
  CheckStackRoom();
  for (int32_t i = 0; i < MemberCount(); ++i)
    if (CValue* member = members_->At(i)) member->Compute(context);
  computed_ = true;
}

CValue* CObjectValue::Deref(CContext& context) {
  // Nested (or cyclic) objects are copied recursively.
  CCallDepth depth;
  auto* copy = new CObjectInstance(nullptr);
  try {
    CValueList* copied = copy->Members();
    for (int32_t i = 0; i < MemberCount(); ++i) {
      CValue* member = members_->At(i);
      if (!member) {
        copied->PutAt(i, nullptr);
        continue;
      }
      CValue* element = member->Deref(context);
      element->SetName(member->Name());
      element->SetOwner(copy);
      copied->Add(element);
    }
  } catch (...) {
    copy->Release();
    throw;
  }
  return copy;
}

void CObjectValue::SetMembers(CValueList* members) {
  ReleaseObject(members_);
  members_ = members;
  value_.SetObject(this);
}

CValueList* CObjectValue::Members() {
  if (!members_) members_ = new CValueList();
  return members_;
}

int32_t CObjectValue::MemberCount() const { return members_ ? members_->Count() : 0; }

CValue* CObjectValue::FindMember(TextView name) { return members_ ? members_->FindValue(name) : nullptr; }

CCopyExpr::CCopyExpr(CNode* owner, CValue* operand) : CValue(owner), operand_(Adopt(operand)) {}

CCopyExpr::~CCopyExpr() = default;

void CCopyExpr::Compute(CContext& context) {
  const Value& value = Eval(operand_, context);
  CObjectValue* object = ScriptObjectOf(value);
  if (!object) {
    value_ = value;
    return;
  }
  const Ref<CValue> copy = Adopt(object->Deref(context));
  value_.SetCountedObject(copy);
}

CClassInstance::CClassInstance(CFunction* cls) : CRecordInstance(cls), class_(cls) {}

void CClassInstance::BuildMembers() {
  CValueList* members = Members();
  for (CFunction* f = class_; f; f = f->BaseFunction()) {
    CBlock* body = f->Body();
    for (int32_t i = 0; i < body->NameCount(); ++i) {
      CValue* variable = body->NameAt(i);
      if (!variable || members->FindValue(variable->Name())) continue;
      auto* member = new CValue(this, variable->OwnValue());
      member->SetName(variable->Name());
      members->Add(member);
      // Methods stay the class's own.
      if (!FunctionOf(variable->OwnValue())) bindings_.push_back({variable, member});
    }
  }
}

CClassInstance* ClassInstanceOf(const Value& value) {
  CObjectValue* object = ScriptObjectOf(value);
  return object ? object->AsClassInstance() : nullptr;
}

CInstanceBinding::CInstanceBinding(CClassInstance* instance) : class_(instance->Class()) {
  this_.SetCountedObject(instance);
  for (CFunction* f = class_; f; f = f->BaseFunction())
    if (f->ThisVariable()) saver_.Save(f->ThisVariable());
  for (const auto& binding : instance->Bindings()) saver_.Save(binding.variable);
  for (CFunction* f = class_; f; f = f->BaseFunction()) f->Levels()->EnterLevel();
  // Each variable first gets its own entry at the new level, so that writes
  // go to the member instead of pushing a fresh entry.
  for (const auto& binding : instance->Bindings()) {
    binding.variable->EnsureLevel();
    *binding.variable->SlotAddress() = &binding.member->ValueRef();
  }
  for (CFunction* f = class_; f; f = f->BaseFunction()) {
    if (CVariable* self = f->ThisVariable()) {
      self->EnsureLevel();
      *self->SlotAddress() = &this_;
    }
  }
}

CInstanceBinding::~CInstanceBinding() {
  for (CFunction* f = class_; f; f = f->BaseFunction()) f->Levels()->LeaveLevel();
  saver_.Restore();
}

}  // namespace runtime
