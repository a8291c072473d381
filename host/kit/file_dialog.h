// The system's open and save dialogs. The filter alternates display names
// and patterns separated by "|"; a multi-selection answers the folder and
// the chosen names separated by CR.
#pragma once
#include <windows.h>
#include <commdlg.h>

#include <cstdint>
#include <string>

#include "host/kit/kit_api.h"
#include "runtime/text.h"

namespace host::kit {

using namespace runtime;

// Option bits of the file dialog, by position.
enum TKitFileOption : uint32_t {
  kFileCreatePrompt = 1u << 0,
  kFileExtensionDifferent = 1u << 1,
  kFileMustExist = 1u << 2,
  kFileHideReadOnly = 1u << 3,
  kFileNoChangeDir = 1u << 4,
  kFileNoDereferenceLinks = 1u << 5,
  kFileAllowMultiSelect = 1u << 6,
  kFileNoNetworkButton = 1u << 7,
  kFileNoTestFileCreate = 1u << 8,
  kFileOverwritePrompt = 1u << 9,
  kFilePathMustExist = 1u << 10,
  kFileReadOnly = 1u << 11,
  kFileNoValidate = 1u << 12,
  kFileShowHelp = 1u << 13,
  kFileEnableHook = 1u << 14,
};

// Characters of the file buffer.
constexpr size_t kSingleFileBuffer = 262;
constexpr size_t kMultiFileBuffer = 0xFFF1;

struct TKitFileDialog {
  bool save = false;
  Text title;
  Text initialFolder;
  // The initial name before, the chosen name (or names) after.
  Text fileName;
  Text filter;
  Text defaultExtension;
  int filterIndex = 1;
  // 0: the kit's default set.
  uint32_t options = 0;
  bool readOnly = false;
  // None: the main form's window.
  HWND owner = nullptr;
  // Used with kFileEnableHook.
  LPOFNHOOKPROC hook = nullptr;
};

TKitFileDialog NewFileDialog(TextView title, TextView initialFolder, uint32_t options);

// Shows the dialog; false (and an empty name) when cancelled or failed.
bool ExecuteFileDialog(TKitFileDialog& dialog);

// The OFN_ flags of an option set (0 gives the default set).
DWORD FileDialogFlags(uint32_t options);
// The filter as the dialog reads it: "|" becomes NUL, ending in two NULs.
api::SysText FileDialogFilter(TextView filter);
// The zero-filled buffer holding the initial name, always NUL-terminated.
api::SysText FileDialogBuffer(TextView initialName, bool multiSelect);
// The chosen name from the filled buffer: up to the first NUL, or with
// multi-selection up to the first two NULs with every NUL as CR.
api::SysText FileDialogResult(const api::SysText& buffer, bool multiSelect);

}  // namespace host::kit
