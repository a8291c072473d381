// Binding a call's arguments to a function's parameters.
#pragma once

class CSlotSaver;
class CValueList;

// Each parameter takes the argument of its name, else the one at its
// position unless that carries another name. A variable passed as argument
// is shared (by reference); any other argument is copied; none gives null.
// Extra arguments are ignored. With a saver, each parameter bound by
// reference has its slot saved first.
void BindArguments(CValueList* parameters, CValueList* args, CSlotSaver* saver);
