// OLE drag and drop for the toolkit's interfaces: a window registered as a
// drop target forwards to a DropTarget, and drags run through DoDragDrop
// with a DropSource steering them. OLE is initialised on the thread first.
#pragma once
#include "toolkit/controls/drag_drop.h"
#include "toolkit/win32/windows_api.h"

namespace toolkit::win32 {

// The target must outlive the registration; exceptions inside it answer
// "no drop".
HRESULT RegisterOleDropTarget(HWND window, DropTarget& target);

// Answers the effect the target chose, DROPEFFECT_NONE when cancelled.
DropEffects RunOleDrag(DataObject& data, DropSource& source, DropEffects allowed);

}  // namespace toolkit::win32
