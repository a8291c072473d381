// Calling a class: a new instance, built and initialised base first.
#include "../base/base.h"
#include "bind_arguments.h"
#include "block.h"
#include "call_depth.h"
#include "class_instance.h"
#include "function.h"
#include "instance_binding.h"
#include "slot_saver.h"
#include "variable.h"

const Value& CFunction::CallClass(CContext& context, CValueList* args) {
  CCallDepth depth;
  auto* instance = new CClassInstance(this);
  CBaseRef keep(instance);
  instance->Release();
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
