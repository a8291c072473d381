#include "platform/filesystem.h"
#include "sys/os_text.h"
#include "sys/sys_util.h"

void CSysUtil::CopyFile(TextView source, TextView destination, bool overwrite) {
  platform::FileCopy(Utf16FromText(source), Utf16FromText(destination), overwrite);
}

// Without a destination the source goes, whether it is a file or an empty folder.
void CSysUtil::MoveFile(TextView source, TextView destination) {
  const std::u16string from = Utf16FromText(source);
  if (!destination.empty()) {
    platform::FileMove(from, Utf16FromText(destination));
    return;
  }
  platform::FileDelete(from);
  platform::FolderRemove(from);
}

double CSysUtil::FileInfo(TextView fileName, int kind) {
  platform::FileInfo info;
  if (!platform::QueryFileInfo(Utf16FromText(fileName), info)) return 0;
  switch (kind) {
    case 0: return info.created;
    case 1: return info.written;
    default: return static_cast<std::uint32_t>(info.size);
  }
}
