#include "class_instance.h"

#include "block.h"
#include "function.h"
#include "value_list.h"
#include "value_ops.h"

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
