// OLE drag and drop plumbing: a drop target that forwards to a handler
// object, registration of a window as a target, and the standard source.
#pragma once
#include "toolkit/backend.h"
#include "toolkit/win32/windows_api.h"

namespace toolkit::win32 {

// What a window that accepts drops implements; effect is in/out as OLE has it.
class DropTargetHandler {
 public:
  virtual ~DropTargetHandler() = default;
  virtual void DragEnter(IDataObject* data, DWORD keys, Point screen, DWORD& effect) = 0;
  virtual void DragOver(DWORD keys, Point screen, DWORD& effect) = 0;
  virtual void DragLeave() = 0;
  virtual void Drop(IDataObject* data, DWORD keys, Point screen, DWORD& effect) = 0;
};

// OLE must be initialised on the thread first (OleInitialize). The handler
// must outlive the registration; errors inside it answer "no drop".
HRESULT RegisterDropTarget(WindowHandle window, DropTargetHandler& handler);
void RevokeDropTarget(WindowHandle window);

// Runs a drag with the standard source: Escape cancels, releasing the
// button that started it drops. Answers the effect, DROPEFFECT_NONE when cancelled.
DWORD RunDragDrop(IDataObject* data, DWORD allowedEffects);

}  // namespace toolkit::win32
