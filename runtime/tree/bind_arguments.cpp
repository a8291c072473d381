#include "bind_arguments.h"

#include "slot_saver.h"
#include "value_list.h"

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
