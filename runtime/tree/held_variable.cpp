#include "held_variable.h"

#include "variable.h"

CVariable* DeclareHeld(CBlock* scope, TextView name) {
  CVariable* variable = CVariable::Declare(scope, name);
  if (!name.empty()) variable->AddRef();
  return variable;
}
