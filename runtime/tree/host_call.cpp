#include "host_call.h"

#include "../stack_guard.h"
#include "value_list.h"

// Host code may call back at any depth, through frames that never check.
const Value& CallWithArgs(CNode* callable, CContext& context, const Value* values, int32_t count) {
  CheckStackRoom();
  auto* args = new CValueList();
  CBaseRef release(args);
  args->Release();
  for (int32_t i = 0; i < count; ++i) args->Add(new CValue(nullptr, values[i]));
  return callable->Call(context, args);
}
