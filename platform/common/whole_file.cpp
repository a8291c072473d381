#include <algorithm>
#include <cstdint>

#include "platform/errors.h"
#include "platform/files.h"

namespace platform {
namespace {

// Closes on every path but keeps the error of the step that failed.
class ScopedFile {
 public:
  explicit ScopedFile(FileHandle file) : file_(file) {}
  ScopedFile(const ScopedFile&) = delete;
  ScopedFile& operator=(const ScopedFile&) = delete;
  ~ScopedFile() {
    if (file_ == kInvalidFile) return;
    const int error = LastError();
    CloseFile(file_);
    SetLastError(error);
  }
  FileHandle get() const { return file_; }

 private:
  FileHandle file_;
};

constexpr std::size_t kChunk = 1 << 16;

}  // namespace

bool ReadWholeFile(const std::u16string& path, std::string& bytes) {
  ScopedFile file(OpenForReading(path));
  if (file.get() == kInvalidFile) return false;
  bytes.clear();
  // The size is only a hint (growing files, /proc, pipes): read until the end.
  const std::int64_t size = Seek(file.get(), 0, SeekFrom::End);
  if (size >= 0 && Seek(file.get(), 0, SeekFrom::Begin) != 0) return false;
  std::size_t request = size > 0 ? static_cast<std::size_t>(std::min<std::int64_t>(size, PTRDIFF_MAX - 1)) + 1 : kChunk;
  std::int64_t got = 0;
  do {
    const std::size_t used = bytes.size();
    bytes.resize(used + request);
    got = ReadBytes(file.get(), bytes.data() + used, request);
    bytes.resize(used + (got > 0 ? static_cast<std::size_t>(got) : 0));
    request = kChunk;
  } while (got > 0);
  return got == 0;
}

bool WriteWholeFile(const std::u16string& path, std::string_view bytes) {
  const FileHandle file = CreateAlways(path);
  if (file == kInvalidFile) return false;
  const bool written = WriteString(file, bytes);
  const int error = LastError();
  // A failed close can mean lost data too.
  const bool closed = CloseFile(file);
  if (!written) SetLastError(error);
  return written && closed;
}

bool WriteString(FileHandle file, std::string_view bytes) {
  return WriteBytes(file, bytes.data(), bytes.size()) == static_cast<std::int64_t>(bytes.size());
}

}  // namespace platform
