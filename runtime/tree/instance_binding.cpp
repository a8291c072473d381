#include "instance_binding.h"

#include "../value/var_stack.h"
#include "class_instance.h"
#include "function.h"
#include "variable.h"

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
