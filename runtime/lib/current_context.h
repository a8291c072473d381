// The context of the running program, set by the runner; member reads and
// writes on COM objects go through it. Not counted: the setter keeps it alive.
#pragma once

class CContext;

CContext* CurrentContext();
void SetCurrentContext(CContext* context);
