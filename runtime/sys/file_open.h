// Opening files for the text routines, with the runtime's failure messages.
#pragma once
#include "platform/files.h"
#include "text.h"

// Reading shares the file with everyone. Writing opens an existing file shared,
// or creates a missing one with its missing folders, unshared.
platform::FileHandle OpenFileChecked(TextView fileName, bool forWriting);
// Raises verb "expanded file name" failed: reason. Every failure of a file
// routine names its file this way.
[[noreturn]] void RaiseFileFailure(TextView verb, TextView fileName, TextView reason);

// Closes the file on every path out of a scope.
class FileGuard {
public:
  explicit FileGuard(platform::FileHandle file) : file_(file) {}
  FileGuard(const FileGuard&) = delete;
  FileGuard& operator=(const FileGuard&) = delete;
  ~FileGuard() { Close(); }
  platform::FileHandle Get() const { return file_; }
  // False when closing failed, which may mean written bytes were lost.
  bool Close();

private:
  platform::FileHandle file_;
};
