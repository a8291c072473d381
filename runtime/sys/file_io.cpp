#include "runtime/sys/file_io.h"

#include <algorithm>
#include <new>
#include <stdexcept>

#include "runtime/error.h"
#include "platform/errors.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "runtime/sys/sys_util.h"

namespace runtime {

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

namespace {

void SeekChecked(ByteChannel& channel, std::int64_t offset) { CheckOSResult(channel.SeekTo(offset) ? 0 : -1, QT("")); }

std::string Buffer(std::size_t count) {
  try {
    return std::string(count, '\0');
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  RaiseError(QT("Not enough memory for the file's contents"));
}

void Resize(std::string& bytes, std::size_t size) {
  try {
    bytes.resize(size);
    return;
  } catch (const std::bad_alloc&) {
  } catch (const std::length_error&) {
  }
  RaiseError(QT("Not enough memory for the file's contents"));
}

// Continues after done until count bytes are in or the file ends; returns the total.
std::size_t ReadPieces(ByteChannel& channel, char* buffer, std::size_t done, std::size_t count, std::size_t chunk) {
  while (done < count) {
    const std::int64_t got = channel.Read(buffer + done, std::min(chunk, count - done));
    CheckOSResult(got, QT(""));
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
  }
  return done;
}

void WritePieces(ByteChannel& channel, std::string_view bytes, std::size_t done, std::size_t chunk) {
  while (done < bytes.size()) {
    const std::int64_t put = channel.Write(bytes.data() + done, std::min(chunk, bytes.size() - done));
    CheckOSResult(put, QT(""));
    if (put == 0) RaiseError(QT("The file takes no more bytes"));
    done += static_cast<std::size_t>(put);
  }
}

}  // namespace

std::int64_t FileChannel::Read(void* buffer, std::size_t count) { return platform::ReadBytes(file_, buffer, count); }

std::int64_t FileChannel::Write(const void* data, std::size_t count) { return platform::WriteBytes(file_, data, count); }

bool FileChannel::SeekTo(std::int64_t offset) { return platform::Seek(file_, offset, platform::SeekFrom::Begin) == offset; }

// A failed first request may have moved some bytes: the pieces start over at start.
std::string ReadRange(ByteChannel& channel, std::int64_t start, std::size_t count, std::size_t chunk) {
  chunk = std::max<std::size_t>(chunk, 1);
  std::string bytes = Buffer(count);
  SeekChecked(channel, start);
  const std::int64_t got = count == 0 ? 0 : channel.Read(bytes.data(), count);
  std::size_t done = 0;
  if (got >= 0) {
    done = ReadPieces(channel, bytes.data(), static_cast<std::size_t>(got), count, chunk);
  } else {
    SeekChecked(channel, start);
    done = ReadPieces(channel, bytes.data(), 0, count, chunk);
  }
  bytes.resize(done);
  return bytes;
}

void WriteRange(ByteChannel& channel, std::int64_t start, std::string_view bytes, std::size_t chunk) {
  chunk = std::max<std::size_t>(chunk, 1);
  SeekChecked(channel, start);
  const std::int64_t put = bytes.empty() ? 0 : channel.Write(bytes.data(), bytes.size());
  if (put >= 0) {
    WritePieces(channel, bytes, static_cast<std::size_t>(put), chunk);
    return;
  }
  SeekChecked(channel, start);
  WritePieces(channel, bytes, 0, chunk);
}

std::string ReadToEnd(ByteChannel& channel, std::size_t limit, std::size_t chunk) {
  constexpr std::size_t kFirstPiece = 65536;
  chunk = std::max<std::size_t>(chunk, 1);
  std::string bytes;
  std::size_t done = 0;
  for (;;) {
    const std::size_t piece = std::min(chunk, std::max(kFirstPiece, done));
    Resize(bytes, done + piece);
    const std::int64_t got = channel.Read(bytes.data() + done, piece);
    CheckOSResult(got, QT(""));
    if (got == 0) break;
    done += static_cast<std::size_t>(got);
    if (done > limit) RaiseError(QT("The file is too large to read"));
  }
  bytes.resize(done);
  return bytes;
}

void WriteHere(ByteChannel& channel, std::string_view bytes, std::size_t chunk) {
  WritePieces(channel, bytes, 0, std::max<std::size_t>(chunk, 1));
}

}  // namespace runtime
