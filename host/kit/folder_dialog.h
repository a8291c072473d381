// The system's folder browser, started at an initial folder.
#pragma once
#include <windows.h>

#include <cstdint>

#include "runtime/text.h"

namespace host::kit {

using namespace runtime;

// Option bits of the folder dialog, by position.
enum TKitFolderOption : uint32_t {
  kFolderBrowseForComputer = 1u << 0,
  kFolderBrowseForPrinter = 1u << 1,
  kFolderDontGoBelowDomain = 1u << 2,
  kFolderReturnFsAncestors = 1u << 3,
  kFolderReturnOnlyFsDirs = 1u << 4,
  kFolderStatusText = 1u << 5,
  kFolderBrowseIncludeFiles = 1u << 6,
  kFolderEditBox = 1u << 7,
  kFolderNewDialogStyle = 1u << 8,
};

// Hooks see the dialog's window: when it is ready, and on each new selection.
using TKitFolderHook = void (*)(void* data, HWND dialog);

struct TKitFolderDialog {
  Text title;
  // 0: only file-system folders.
  uint32_t options = 0;
  // None: the main form's window.
  HWND owner = nullptr;
  TKitFolderHook onInit = nullptr;
  TKitFolderHook onSelect = nullptr;
  void* hookData = nullptr;
  // The chosen folder after ChooseFolder.
  Text folder;

  // Without a trailing "\", except that a drive root keeps it.
  void SetInitialFolder(TextView path);
  const Text& InitialFolder() const { return initialFolder_; }

private:
  Text initialFolder_;
};

TKitFolderDialog NewFolderDialog(TextView title, uint32_t options);

// The BIF_ flags of an option set (0 gives the default set).
UINT FolderDialogFlags(uint32_t options);

// Shows the dialog; false when cancelled or nothing with a path was chosen.
// An error raised by a hook is raised once the dialog has closed.
bool ChooseFolder(TKitFolderDialog& dialog);

}  // namespace host::kit
