// Variables that a statement declares in one of its blocks and keeps a
// pointer to ("@", loop variables).
#pragma once
#include "../text.h"

class CBlock;
class CVariable;

// Declares the variable and gives the caller a reference of its own; a
// named variable is also held by the scope's name table.
CVariable* DeclareHeld(CBlock* scope, TextView name);
