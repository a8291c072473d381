// Window classes of the kit ("obj_" + the kind's name) and making a
// control's window: parents first, then the control, then its children.
#pragma once
#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>

namespace host::kit {

class TKitControl;

// "obj_" + the kind's name, or the bare name for kinds that ask for it.
std::string KitClassName(const TKitControl& control);

// A system string of 8-bit text in the system code page; the caller frees it
// with SysFreeString. Null only when out of memory.
BSTR StringToBstr(std::string_view text);

// Makes the window if needed (its parent's first); true on success. A
// control that has a window makes its children's.
bool CreateControlWindow(TKitControl& control);

}  // namespace host::kit
