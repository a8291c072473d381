#include "name_ref.h"

#include "../error.h"
#include "object_value.h"
#include "value_ops.h"

CNameRef::CNameRef(CNode* owner, TextView name, bool optional)
    : CRef(owner), refName_(name), optional_(optional) {}

CNameRef::~CNameRef() { ReleaseObject(spare_); }

CValue* CNameRef::Unresolved() {
  // Found once, then cached; a failed lookup leaves it to the next evaluation.
  CValue* found = Owner() ? Owner()->Lookup(refName_) : nullptr;
  target_ = found ? found : Missing(refName_ + QT(" not found"));
  return target_;
}

void CNameRef::Compute(CContext&) { Target(); }

int32_t CNameRef::Count() {
  CValue* target = Target();
  if (CObjectValue* object = ScriptObjectOf(target->ValueRef())) return object->Count();
  return target->Count();
}

const Value& CNameRef::Call(CContext& context, CValueList* args) { return CallHeldNode(Target(), context, args); }

CValue* CNameRef::Missing(TextView message) {
  if (!optional_) RaiseError(Text(message));
  return Spare();
}

CValue* CNameRef::Spare() {
  if (!spare_) spare_ = new CValue(this);
  spare_->OwnValue().Clear();
  return spare_;
}

const Value& CallHeldNode(CValue* holder, CContext& context, CValueList* args) {
  CNode* node = NodeOf(holder->ValueRef());
  return node ? node->Call(context, args) : DefaultValue();
}
