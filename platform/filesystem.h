// Attributes of files and folders, and whole-entry operations on them.
#pragma once
#include <cstdint>
#include <string>

namespace platform {

struct FileInfo {
  bool folder = false;
  std::int64_t size = 0;
  // OLE dates (days since 1899-12-30) of the stored UTC times.
  double created = 0;
  double written = 0;
};

bool FileExists(const std::u16string& path);
bool FolderExists(const std::u16string& path);
bool QueryFileInfo(const std::u16string& path, FileInfo& info);

// Creates the folder and every missing parent; true when it exists afterwards.
bool FolderCreate(const std::u16string& path);
// Without overwrite an existing destination stays and the call fails.
bool FileCopy(const std::u16string& source, const std::u16string& destination, bool overwrite);
// Renames a file or folder; fails when the destination exists.
bool FileMove(const std::u16string& source, const std::u16string& destination);
bool FileDelete(const std::u16string& path);
// Only an empty folder is removed.
bool FolderRemove(const std::u16string& path);

}  // namespace platform
