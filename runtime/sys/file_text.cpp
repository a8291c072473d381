#include "sys/file_text.h"

#include <algorithm>
#include <cstdint>

#include "error.h"
#include "platform/errors.h"
#include "sys/digest.h"
#include "sys/file_encoding.h"
#include "sys/file_open.h"
#include "sys/os_text.h"
#include "sys/transfer.h"

namespace {

int lastFileCodePage = 0;

// No text holds more, and a stream without end must stop somewhere.
constexpr std::size_t kMaxFileBytes = 0x7FFFFFFF;

[[noreturn]] void RaiseLastError() { RaiseError(TextFromUtf16(platform::LastErrorText())); }

// A disk file is read at its size in one request, then on to its end, as
// it may have grown (or, in /proc, have told no size at all).
std::string ReadWholeFile(platform::FileHandle file) {
  FileChannel channel(file);
  if (!platform::IsDiskFile(file)) return ReadToEnd(channel, kMaxFileBytes);
  const std::int64_t size = std::max<std::int64_t>(platform::Seek(file, 0, platform::SeekFrom::End), 0);
  if (static_cast<std::uint64_t>(size) > kMaxFileBytes) RaiseError(QT("The file is too large to read"));
  std::string bytes = ReadRange(channel, 0, static_cast<std::size_t>(size));
  if (bytes.size() == static_cast<std::size_t>(size)) bytes += ReadToEnd(channel, kMaxFileBytes - bytes.size());
  return bytes;
}

Text SeparatorsAsBackslashes(TextView fileName) {
  Text name(fileName);
  std::replace(name.begin(), name.end(), Char('/'), Char('\\'));
  return name;
}

// Appending starts at the end; otherwise the file is emptied first. Devices
// and pipes take the bytes where they are: they have neither end nor size.
void WriteWholeText(platform::FileHandle file, std::string_view bytes, bool append) {
  FileChannel channel(file);
  if (!platform::IsDiskFile(file)) return WriteHere(channel, bytes);
  std::int64_t start = 0;
  if (append) {
    start = platform::Seek(file, 0, platform::SeekFrom::End);
    if (start < 0) RaiseLastError();
  } else if (platform::Seek(file, 0, platform::SeekFrom::Begin) != 0 || !platform::Truncate(file)) {
    RaiseLastError();
  }
  WriteRange(channel, start, bytes);
}

}  // namespace

std::string ReadFileBytes(TextView fileName) {
  FileGuard file(OpenFileChecked(fileName, false));
  try {
    return ReadWholeFile(file.Get());
  } catch (const EScriptError& error) {
    RaiseFileFailure(QT("Read"), fileName, error.Message());
  }
}

Text ReadFileText(TextView fileName, int codePage, int digestMode) {
  std::string bytes = ReadFileBytes(fileName);
  if (digestMode >= 0) return digestMode == 0 ? HashMD5Hex(bytes) : HashSHA1Hex(bytes);
  Text text = TextFromFileBytes(std::move(bytes), codePage);
  lastFileCodePage = codePage;
  return text;
}

void WriteFileText(TextView fileName, TextView text, bool append, int codePage) {
  const std::string bytes = FileBytesFromText(text, codePage, !append);
  const Text name = SeparatorsAsBackslashes(fileName);
  FileGuard file(OpenFileChecked(name, true));
  try {
    WriteWholeText(file.Get(), bytes, append);
    if (!file.Close()) RaiseLastError();
  } catch (const EScriptError& error) {
    RaiseFileFailure(QT("Save"), name, error.Message());
  }
}

int LastFileCodePage() { return lastFileCodePage; }

void ResetLastFileCodePage() { lastFileCodePage = 0; }
