#include "module.h"

#include "call_depth.h"
#include "value_list.h"

CModule::CModule(CNode* owner) : CBlock(owner) {}

CModule::~CModule() { Unlink(); }

void CModule::Execute(CContext& context) {
  if (ran_) return;
  ran_ = true;
  CBlock::Execute(context);
}

// A compiled chunk may call itself, as a function can.
const Value& CModule::Call(CContext& context, CValueList*) {
  CCallDepth depth;
  CBlock::Execute(context);
  return DefaultValue();
}

CValue* CModule::Lookup(TextView name) {
  if (lookupGuard_ > 0) return nullptr;
  ++lookupGuard_;
  struct Lower {
    int32_t& guard;
    ~Lower() { --guard; }
  } lower{lookupGuard_};
  return CBlock::Lookup(name);
}

void CModule::LinkTo(CModule* other) {
  Unlink();
  next_ = other->next_;
  other->next_ = this;
}

void CModule::Unlink() {
  CModule* previous = next_;
  while (previous->next_ != this) previous = previous->next_;
  previous->next_ = next_;
  next_ = this;
}

CModule* CModule::FindLoaded(TextView fileName) {
  CModule* module = this;
  do {
    if (SameName(module->fileName_, fileName)) return module;
    module = module->next_;
  } while (module != this);
  return nullptr;
}
