#include "host/kit/file_dialog.h"

#include <algorithm>

#include "host/kit/kit_api.h"
#include "host/kit/kit_control.h"
#include "host/kit/kit_state.h"

using namespace runtime;

namespace host::kit {

namespace {

constexpr DWORD kOptionFlags[] = {
    OFN_CREATEPROMPT,  OFN_EXTENSIONDIFFERENT, OFN_FILEMUSTEXIST, OFN_HIDEREADONLY,   OFN_NOCHANGEDIR,
    OFN_NODEREFERENCELINKS, OFN_ALLOWMULTISELECT, OFN_NONETWORKBUTTON, OFN_NOTESTFILECREATE,
    OFN_OVERWRITEPROMPT, OFN_PATHMUSTEXIST, OFN_READONLY, OFN_NOVALIDATE, OFN_SHOWHELP, OFN_ENABLEHOOK,
};
constexpr uint32_t kDefaultOptions = kFileHideReadOnly;
constexpr DWORD kAlwaysFlags = OFN_EXPLORER | OFN_LONGNAMES | OFN_ENABLESIZING;

const api::SysChar* OrNull(const api::SysText& text) { return text.empty() ? nullptr : text.c_str(); }

HWND OwnerWindow(HWND owner) {
  if (owner) return owner;
  TKitControl* main = MainForm();
  return main ? main->Window() : nullptr;
}

}  // namespace

TKitFileDialog NewFileDialog(TextView title, TextView initialFolder, uint32_t options) {
  TKitFileDialog dialog;
  dialog.title = Text(title);
  dialog.initialFolder = Text(initialFolder);
  dialog.options = options;
  return dialog;
}

DWORD FileDialogFlags(uint32_t options) {
  if (options == 0) options = kDefaultOptions;
  DWORD flags = kAlwaysFlags;
  for (size_t bit = 0; bit < std::size(kOptionFlags); ++bit)
    if (options & (1u << bit)) flags |= kOptionFlags[bit];
  return flags;
}

api::SysText FileDialogFilter(TextView filter) {
  api::SysText list = api::SysTextOf(filter);
  if (list.empty()) return list;
  list.push_back('\0');
  std::replace(list.begin(), list.end(), api::SysChar('|'), api::SysChar('\0'));
  return list;
}

api::SysText FileDialogBuffer(TextView initialName, bool multiSelect) {
  api::SysText buffer(multiSelect ? kMultiFileBuffer : kSingleFileBuffer, '\0');
  const api::SysText name = api::SysTextOf(initialName);
  std::copy_n(name.begin(), std::min(name.size(), buffer.size() - 1), buffer.begin());
  return buffer;
}

api::SysText FileDialogResult(const api::SysText& buffer, bool multiSelect) {
  if (!multiSelect) return buffer.substr(0, buffer.find(api::SysChar('\0')));
  const size_t end = buffer.find(api::SysText(2, '\0'));
  api::SysText names = buffer.substr(0, end);
  std::replace(names.begin(), names.end(), api::SysChar('\0'), api::SysChar('\r'));
  return names;
}

bool ExecuteFileDialog(TKitFileDialog& dialog) {
  const DWORD flags = FileDialogFlags(dialog.options);
  const bool multiSelect = (flags & OFN_ALLOWMULTISELECT) != 0;
  const api::SysText filter = FileDialogFilter(dialog.filter);
  const api::SysText folder = api::SysTextOf(dialog.initialFolder);
  const api::SysText title = api::SysTextOf(dialog.title);
  const api::SysText extension = api::SysTextOf(dialog.defaultExtension);
  api::SysText buffer = FileDialogBuffer(dialog.fileName, multiSelect);

  api::FileRequest request{};
  request.lStructSize = api::kFileRequestSize;
  request.hwndOwner = OwnerWindow(dialog.owner);
  request.hInstance = api::ModuleHandle(nullptr);
  request.lpstrFilter = OrNull(filter);
  request.nFilterIndex = DWORD(dialog.filterIndex);
  request.lpstrFile = buffer.data();
  request.nMaxFile = DWORD(buffer.size());
  request.lpstrInitialDir = OrNull(folder);
  request.lpstrTitle = OrNull(title);
  request.lpstrDefExt = OrNull(extension);
  request.lCustData = reinterpret_cast<LPARAM>(&dialog);
  request.Flags = flags;
  if (flags & OFN_ENABLEHOOK) request.lpfnHook = dialog.hook;

  const BOOL chosen = dialog.save ? api::SaveFileDialog(&request) : api::OpenFileDialog(&request);
  if (!chosen) {
    dialog.fileName.clear();
    return false;
  }
  dialog.filterIndex = int(request.nFilterIndex);
  dialog.readOnly = (request.Flags & OFN_READONLY) != 0;
  dialog.fileName = api::TextOfSys(FileDialogResult(buffer, multiSelect));
  return true;
}

}  // namespace host::kit
