#include "sys/file_text.h"

#include <algorithm>
#include <cstdint>

#include "error.h"
#include "sys/digest.h"
#include "sys/file_encoding.h"
#include "sys/file_open.h"
#include "sys/os_result.h"
#include "sys/transfer.h"

namespace {

int lastFileCodePage = 0;

std::size_t FileSize(platform::FileHandle file) {
  const std::int64_t size = platform::Seek(file, 0, platform::SeekFrom::End);
  CheckOSResult(size, QT(""));
  if (static_cast<std::uint64_t>(size) > std::string().max_size()) RaiseError(QT("The file is too large to read"));
  return static_cast<std::size_t>(size);
}

Text SeparatorsAsBackslashes(TextView fileName) {
  Text name(fileName);
  std::replace(name.begin(), name.end(), Char('/'), Char('\\'));
  return name;
}

// Appending starts at the end; otherwise the file is emptied first.
std::int64_t WriteStart(platform::FileHandle file, bool append) {
  if (append) {
    const std::int64_t end = platform::Seek(file, 0, platform::SeekFrom::End);
    CheckOSResult(end, QT(""));
    return end;
  }
  CheckOSResult(platform::Seek(file, 0, platform::SeekFrom::Begin), QT(""));
  CheckOSResult(platform::Truncate(file) ? 0 : -1, QT(""));
  return 0;
}

}  // namespace

Text ReadFileText(TextView fileName, int codePage, int digestMode) {
  FileGuard file(OpenFileChecked(fileName, false));
  FileChannel channel(file.Get());
  std::string bytes = ReadRange(channel, 0, FileSize(file.Get()));
  if (digestMode >= 0) return digestMode == 0 ? HashMD5Hex(bytes) : HashSHA1Hex(bytes);
  Text text = TextFromFileBytes(std::move(bytes), codePage);
  lastFileCodePage = codePage;
  return text;
}

void WriteFileText(TextView fileName, TextView text, bool append, int codePage) {
  const std::string bytes = FileBytesFromText(text, codePage, !append);
  FileGuard file(OpenFileChecked(SeparatorsAsBackslashes(fileName), true));
  FileChannel channel(file.Get());
  WriteRange(channel, WriteStart(file.Get(), append), bytes);
  CheckOSResult(file.Close() ? 0 : -1, QT(""));
}

int LastFileCodePage() { return lastFileCodePage; }
