// "NewObj": automation objects by ProgID or "{class id}", running objects
// with "get", and interface pointers that a native call returned.
#pragma once
#include <windows.h>
#include <ole2.h>

#include "runtime/lib/context.h"
#include "runtime/text.h"

namespace runtime {
class CValueList;
}  // namespace runtime

namespace host {

using namespace runtime;

// StringToGUID for "{...}", else the ProgID's class; raises the OLE error.
CLSID ClassIdFromName(TextView name);
// A new object, or with get the running one; one reference for the caller.
IDispatch* CreateOleObjectByName(TextView name, bool get);

void DoNewObj(CContext& context, CNode* receiver, CValueList* args, Value& result);

}  // namespace host
