#include "host/kit/file_dialog.h"

#include <algorithm>

#include "host/kit/kit_control.h"
#include "host/kit/kit_state.h"
#include "runtime/sys/sys_util.h"

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

const wchar_t* OrNull(const std::u16string& text) {
  return text.empty() ? nullptr : reinterpret_cast<const wchar_t*>(text.c_str());
}

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

std::u16string FileDialogFilter(TextView filter) {
  std::u16string list = Utf16FromText(filter);
  if (list.empty()) return list;
  list.push_back(u'\0');
  std::replace(list.begin(), list.end(), u'|', u'\0');
  return list;
}

std::u16string FileDialogBuffer(TextView initialName, bool multiSelect) {
  std::u16string buffer(multiSelect ? kMultiFileBuffer : kSingleFileBuffer, u'\0');
  const std::u16string name = Utf16FromText(initialName);
  std::copy_n(name.begin(), std::min(name.size(), buffer.size() - 1), buffer.begin());
  return buffer;
}

std::u16string FileDialogResult(const std::u16string& buffer, bool multiSelect) {
  if (!multiSelect) return buffer.substr(0, buffer.find(u'\0'));
  const size_t end = buffer.find(std::u16string(2, u'\0'));
  std::u16string names = buffer.substr(0, end);
  std::replace(names.begin(), names.end(), u'\0', u'\r');
  return names;
}

bool ExecuteFileDialog(TKitFileDialog& dialog) {
  const DWORD flags = FileDialogFlags(dialog.options);
  const bool multiSelect = (flags & OFN_ALLOWMULTISELECT) != 0;
  const std::u16string filter = FileDialogFilter(dialog.filter);
  const std::u16string folder = Utf16FromText(dialog.initialFolder);
  const std::u16string title = Utf16FromText(dialog.title);
  const std::u16string extension = Utf16FromText(dialog.defaultExtension);
  std::u16string buffer = FileDialogBuffer(dialog.fileName, multiSelect);

  OPENFILENAMEW request{};
  request.lStructSize = OPENFILENAME_SIZE_VERSION_400W;
  request.hwndOwner = OwnerWindow(dialog.owner);
  request.hInstance = ::GetModuleHandleW(nullptr);
  request.lpstrFilter = OrNull(filter);
  request.nFilterIndex = DWORD(dialog.filterIndex);
  request.lpstrFile = reinterpret_cast<wchar_t*>(buffer.data());
  request.nMaxFile = DWORD(buffer.size());
  request.lpstrInitialDir = OrNull(folder);
  request.lpstrTitle = OrNull(title);
  request.lpstrDefExt = OrNull(extension);
  request.lCustData = reinterpret_cast<LPARAM>(&dialog);
  request.Flags = flags;
  if (flags & OFN_ENABLEHOOK) request.lpfnHook = dialog.hook;

  const BOOL chosen = dialog.save ? ::GetSaveFileNameW(&request) : ::GetOpenFileNameW(&request);
  if (!chosen) {
    dialog.fileName.clear();
    return false;
  }
  dialog.filterIndex = int(request.nFilterIndex);
  dialog.readOnly = (request.Flags & OFN_READONLY) != 0;
  dialog.fileName = TextFromUtf16(FileDialogResult(buffer, multiSelect));
  return true;
}

}  // namespace host::kit
