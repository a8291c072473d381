// "=~" and "!~" ask the library chain for "match" on the left value with the
// right value as the one argument, as the call left.match(right) would.
#include "../error.h"
#include "../lib/context.h"
#include "../tree/value_node.h"
#include "../value/predicates.h"
#include "op_routines.h"

namespace {

// Fresh nodes for every match: a library may keep the receiver or its
// arguments (a match value keeps its subject).
Value CallMatch(CContext& context, const Value& subject, const Value& pattern) {
  auto* receiver = new CValue(nullptr, subject);
  CBaseRef holdReceiver(receiver);
  receiver->Release();
  auto* args = new CValueList();
  CBaseRef holdArgs(args);
  args->Release();
  args->Add(new CValue(nullptr, pattern));
  Value result;
  if (!context.Call(receiver, QT("match"), CallKind::kCall, result, args)) RaiseError(QT(".match not found"));
  return result;
}

}  // namespace

void MatchValues(CContext& context, Value& value, const Value& other) { value = CallMatch(context, value, other); }

void NoMatchValues(CContext& context, Value& value, const Value& other) {
  value.SetBool(!ValueToBool(CallMatch(context, value, other)));
}
