// The system routines: CSysUtil, checked library loading, failed OS calls, OS
// texts and text replacement.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "platform/library.h"
#include "runtime/text.h"

namespace runtime {

// File-system and loader operations the runtime reaches through one class.
// Copy, move and delete failures are not reported as errors.
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

// Dynamic libraries and their exports; failures raise with the system's text.
platform::LibraryHandle LoadLibraryChecked(TextView name);
// The export name, else name + "W"; when both are missing the library is freed.
void* GetProcAddressChecked(platform::LibraryHandle library, TextView name);

// Failed OS calls as script errors carrying the system's text.

// Raises message followed by the text of the last OS error when result < 0.
void CheckOSResult(std::int64_t result, TextView message);
[[noreturn]] void RaiseLastOSError(TextView message);

// The runtime's text as the platform layer takes it: UTF-16 names and messages,
// bytes in the system code page for export names.
std::u16string Utf16FromText(TextView text);
Text TextFromUtf16(std::u16string_view text);
std::string SystemBytesFromText(TextView text);

// Replacing occurrences of a text inside another.
inline constexpr int kReplaceAll = 1;
// Only "a".."z" and "A".."Z" match each other.
inline constexpr int kReplaceIgnoreCase = 2;

// Occurrences are found left to right without overlapping; without
// kReplaceAll only the first is replaced. An empty find text changes nothing.
Text ReplaceText(TextView source, TextView find, TextView replacement, int flags);

}  // namespace runtime
