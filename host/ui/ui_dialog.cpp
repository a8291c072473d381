#include "host/ui/ui_dialog.h"

#include "host/kit/file_dialog.h"
#include "host/kit/folder_dialog.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"

using namespace runtime;

namespace host::ui {

namespace {

Text FileDialog(bool save, TextView filter, CValueList* args) {
  const Text file = CValueList::GetText(args, QT("file"), QT(""), 1);
  uint32_t options = kit::kFileOverwritePrompt;
  if (!save) {
    options = kit::kFileMustExist;
    if (CValueList::GetBool(args, QT("multi"), false, 2)) options |= kit::kFileAllowMultiSelect;
  }
  kit::TKitFileDialog dialog = kit::NewFileDialog(QT(""), FolderPart(file), options);
  dialog.save = save;
  dialog.fileName = file;
  dialog.filter = Text(filter);
  if (save) dialog.defaultExtension = CValueList::GetText(args, QT("defext"), QT(""), 2);
  return kit::ExecuteFileDialog(dialog) ? dialog.fileName : Text();
}

Text FolderDialog(TextView path) {
  kit::TKitFolderDialog dialog = kit::NewFolderDialog(QT(""), 0);
  dialog.SetInitialFolder(path);
  return kit::ChooseFolder(dialog) ? dialog.folder : Text();
}

}  // namespace

void DoDialog(CContext&, CNode*, CValueList* args, Value& result) {
  if (CValue* open = CValueList::GetArg(args, QT("open"), 0)) {
    result.SetText(FileDialog(false, ToText(open->ValueRef()), args));
  } else if (CValue* save = CValueList::GetArg(args, QT("save"), 0)) {
    result.SetText(FileDialog(true, ToText(save->ValueRef()), args));
  } else {
    result.SetText(FolderDialog(CValueList::GetText(args, QT("path"), QT(""), 0)));
  }
}

Text FolderPart(TextView fileName) {
  const size_t end = fileName.find_last_of(QT(":\\/"));
  return end == TextView::npos ? Text() : Text(fileName.substr(0, end + 1));
}

}  // namespace host::ui
