#include "match_action.h"

#include "../regex/engine_text.h"
#include "../regex/regex.h"
#include "../tree/call.h"
#include "../tree/function.h"
#include "../value/convert.h"
#include "match_value.h"

CNode* CallableOf(CValue* action) {
  CNode* node = action ? NodeOf(action->ValueRef()) : nullptr;
  if (!node || node->AsFunction()) return node;
  auto* call = dynamic_cast<CCall*>(node);
  return call && call->Deferred() ? call : nullptr;
}

CMatchAction::CMatchAction(CContext& context, CRegex& engine, CNode* callable)
    : engine_(engine), keepCallable_(callable), match_(new CMatchValue(&engine)) {
  engine_.SetCallback([&context, callable, match = match_](CRegex&) {
    Value argument;
    argument.SetCountedObject(match);
    return EngineBytes(ToText(CallWithArgs(callable, context, &argument, 1)));
  });
}

CMatchAction::~CMatchAction() {
  engine_.SetCallback({});
  match_->Release();
}
