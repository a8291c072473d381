#include "object_value.h"

#include "../stack_guard.h"
#include "call_depth.h"
#include "value_list.h"

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
