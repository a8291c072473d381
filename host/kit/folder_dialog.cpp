#include "host/kit/folder_dialog.h"

#include <shlobj.h>

#include <iterator>
#include <string>

#include "host/error_relay.h"
#include "host/kit/kit_api.h"
#include "host/kit/kit_control.h"
#include "host/kit/kit_state.h"

using namespace runtime;

namespace host::kit {

namespace {

constexpr UINT kOptionFlags[] = {
    BIF_BROWSEFORCOMPUTER, BIF_BROWSEFORPRINTER, BIF_DONTGOBELOWDOMAIN, BIF_RETURNFSANCESTORS, BIF_RETURNONLYFSDIRS,
    BIF_STATUSTEXT,        BIF_BROWSEINCLUDEFILES, BIF_EDITBOX,         BIF_NEWDIALOGSTYLE,
};
constexpr uint32_t kDefaultOptions = kFolderReturnOnlyFsDirs;
// The display-name buffer and the path: MAX_PATH and one.
constexpr size_t kFolderBuffer = 261;

void RunHook(TKitFolderHook hook, void* data, HWND window) {
  if (!hook) return;
  ErrorRelay::Guard(0, [&] {
    hook(data, window);
    return 0;
  });
}

int CALLBACK BrowseCallback(HWND window, UINT message, LPARAM, LPARAM data) {
  auto* dialog = reinterpret_cast<TKitFolderDialog*>(data);
  if (message == BFFM_INITIALIZED) {
    RunHook(dialog->onInit, dialog->hookData, window);
    if (!dialog->InitialFolder().empty()) {
      const api::SysText folder = api::SysTextOf(dialog->InitialFolder());
      api::Send(window, api::kSetFolderSelection, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
    }
  } else if (message == BFFM_SELCHANGED) {
    RunHook(dialog->onSelect, dialog->hookData, window);
  }
  return 0;
}

}  // namespace

void TKitFolderDialog::SetInitialFolder(TextView path) {
  Text folder(path);
  while (!folder.empty() && folder.back() == QT('\\')) folder.pop_back();
  if (!folder.empty() && folder.back() == QT(':')) folder.push_back(QT('\\'));
  initialFolder_ = std::move(folder);
}

TKitFolderDialog NewFolderDialog(TextView title, uint32_t options) {
  TKitFolderDialog dialog;
  dialog.title = Text(title);
  dialog.options = options;
  return dialog;
}

UINT FolderDialogFlags(uint32_t options) {
  if (options == 0) options = kDefaultOptions;
  UINT flags = 0;
  for (size_t bit = 0; bit < std::size(kOptionFlags); ++bit)
    if (options & (1u << bit)) flags |= kOptionFlags[bit];
  return flags;
}

bool ChooseFolder(TKitFolderDialog& dialog) {
  api::SysChar displayName[kFolderBuffer] = {};
  const api::SysText title = api::SysTextOf(dialog.title);
  api::FolderRequest request{};
  request.hwndOwner = dialog.owner;
  if (!request.hwndOwner && MainForm()) request.hwndOwner = MainForm()->Window();
  request.pszDisplayName = displayName;
  request.lpszTitle = title.empty() ? nullptr : title.c_str();
  request.ulFlags = FolderDialogFlags(dialog.options);
  request.lpfn = &BrowseCallback;
  request.lParam = reinterpret_cast<LPARAM>(&dialog);

  PIDLIST_ABSOLUTE chosen = api::BrowseForFolder(&request);
  // The path is written with up to MAX_PATH characters and the NUL.
  api::SysChar path[kFolderBuffer] = {};
  const bool hasPath = chosen && api::PathFromIdList(chosen, path);
  if (chosen) ::CoTaskMemFree(chosen);
  ErrorRelay::RaisePending();
  dialog.folder = hasPath ? api::TextOfSys(path) : Text();
  return hasPath;
}

}  // namespace host::kit
