// An action of a match or replace: a script callable that gives the text for
// each match, called with a match value over the operation's engine.
#pragma once
#include "../base/base.h"

class CContext;
class CMatchValue;
class CNode;
class CRegex;
class CValue;

// What an action argument can call: a script function or a deferred call.
// Null for any other value and for no argument.
CNode* CallableOf(CValue* action);

// Sets the engine's callback for the time of one operation. The callback
// goes with the action, so a match value the script kept never calls back.
class CMatchAction {
public:
  CMatchAction(CContext& context, CRegex& engine, CNode* callable);
  ~CMatchAction();
  CMatchAction(const CMatchAction&) = delete;
  CMatchAction& operator=(const CMatchAction&) = delete;

private:
  CRegex& engine_;
  CBaseRef keepCallable_;  // the action may drop the script's reference
  CMatchValue* match_;     // counted; the callback must not own the engine
};
