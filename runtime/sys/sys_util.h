// File-system and loader operations the runtime reaches through one class.
// Copy, move and delete failures are not reported as errors.
#pragma once
#include <cstdint>
#include <functional>

#include "platform/files.h"
#include "platform/library.h"
#include "text.h"

class CSysUtil {
public:
  // Gets the entry's full name and its size, or -1 when sizes were not asked for.
  using FoundFile = std::function<void(const Text& fileName, std::int64_t size)>;

  CSysUtil() = delete;

  static void CloseFile(platform::FileHandle file);
  // Without overwrite an existing destination stays.
  static void CopyFile(TextView source, TextView destination, bool overwrite);
  // An empty destination deletes the source, as a file or else as an empty folder.
  static void MoveFile(TextView source, TextView destination);
  // kind 0: creation date, 1: last-write date (OLE dates of the stored UTC
  // times); 2 or more: the low 32 bits of the size. 0 when not found.
  static double FileInfo(TextView fileName, int kind);
  // A path ending in "\" lists folders, else files; subfolders are walked
  // depth first after each folder's own entries, with the same mask.
  static void FindFiles(TextView pathWithMask, bool includeSubfolders, const FoundFile& found, bool withSize);
  static void FreeLibrary(platform::LibraryHandle library);
};
