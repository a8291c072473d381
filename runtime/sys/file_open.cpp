#include "sys/file_open.h"

#include "error.h"
#include "platform/errors.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "sys/os_text.h"
#include "sys/sys_util.h"

namespace {

std::u16string FolderOf(const std::u16string& path) {
  const std::size_t cut = path.find_last_of(u"\\/");
  return cut == std::u16string::npos ? std::u16string() : path.substr(0, cut);
}

[[noreturn]] void RaiseFailure(TextView verb, const std::u16string& path, TextView reason) {
  const std::u16string expanded = platform::FullPath(path);
  RaiseError(Text(verb) + QT(" \"") + TextFromUtf16(expanded.empty() ? path : expanded) + QT("\" failed: ") +
             Text(reason));
}

// The error's text is taken first: expanding the name must not replace it.
[[noreturn]] void RaiseOpenFailure(const std::u16string& path, bool forWriting) {
  const Text reason = TextFromUtf16(platform::LastErrorText());
  RaiseFailure(forWriting ? QT("Save") : QT("Open"), path, reason);
}

platform::FileHandle OpenForWriting(const std::u16string& path) {
  if (platform::FileExists(path)) return platform::OpenForUpdate(path);
  const std::u16string folder = FolderOf(path);
  if (!folder.empty() && !platform::FolderCreate(folder)) return platform::kInvalidFile;
  return platform::CreateAlways(path);
}

}  // namespace

platform::FileHandle OpenFileChecked(TextView fileName, bool forWriting) {
  const std::u16string path = Utf16FromText(fileName);
  const platform::FileHandle file = forWriting ? OpenForWriting(path) : platform::OpenForReading(path);
  if (file == platform::kInvalidFile) RaiseOpenFailure(path, forWriting);
  return file;
}

void RaiseFileFailure(TextView verb, TextView fileName, TextView reason) {
  RaiseFailure(verb, Utf16FromText(fileName), reason);
}

bool FileGuard::Close() {
  if (file_ == platform::kInvalidFile) return true;
  const platform::FileHandle file = file_;
  file_ = platform::kInvalidFile;
  return platform::CloseFile(file);
}

void CSysUtil::CloseFile(platform::FileHandle file) {
  if (file != platform::kInvalidFile) platform::CloseFile(file);
}
