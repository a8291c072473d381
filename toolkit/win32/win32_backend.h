// The backend over real windows: user32 windows and messages, GDI drawing,
// system timers, the real clipboard, OLE drag and drop and theme services.
#pragma once
#include "toolkit/win32/windows_api.h"

#include <map>
#include <memory>
#include <set>

#include "toolkit/controls/drag_drop.h"
#include "toolkit/graphics/backend.h"
#include "toolkit/win32/cursor_table.h"

namespace toolkit::win32 {

class Win32Backend : public Backend {
 public:
  Win32Backend();
  ~Win32Backend() override;
  Win32Backend(const Win32Backend&) = delete;
  Win32Backend& operator=(const Win32Backend&) = delete;

#include "toolkit/graphics/backend_overrides.inc"

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT msg, WPARAM wParam, LPARAM lParam);
  void RegisterClassOnce(const CreateParams& params);
  // OLE on the main thread, from the first use of drag and drop or the
  // clipboard object on; false when the thread cannot have it.
  bool EnsureOle();

  HINSTANCE instance_;
  DWORD mainThread_;
  HWND utility_ = nullptr;
  std::set<String> classes_;
  std::map<HWND, PAINTSTRUCT> painting_;
  std::unique_ptr<ClipboardStore> clipboard_;
  enum class OleState { Untried, Ready, Refused } ole_ = OleState::Untried;
  CursorTable cursors_;
};

}  // namespace toolkit::win32
