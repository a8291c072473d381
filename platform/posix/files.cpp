#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/files.h"
#include "platform/posix/fd.h"
#include "platform/posix/native.h"

// Sharing modes have no POSIX counterpart; every file is shared.
namespace platform {
namespace {

int Native(FileHandle file) { return static_cast<int>(file); }

FileHandle Open(const std::u16string& path, int flags) {
  detail::Fd fd(::open(detail::NativePath(path).c_str(), flags | O_CLOEXEC, 0666));
  if (fd.get() < 0) return kInvalidFile;
  // Windows refuses to open folders as files; so do we.
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) return kInvalidFile;
  if (S_ISDIR(st.st_mode)) {
    errno = EISDIR;
    return kInvalidFile;
  }
  return fd.release();
}

}  // namespace

FileHandle OpenForReading(const std::u16string& path) { return Open(path, O_RDONLY); }

FileHandle OpenForUpdate(const std::u16string& path) { return Open(path, O_RDWR); }

FileHandle CreateAlways(const std::u16string& path) { return Open(path, O_RDWR | O_CREAT | O_TRUNC); }

bool CloseFile(FileHandle file) { return ::close(Native(file)) == 0; }

std::int64_t Seek(FileHandle file, std::int64_t offset, SeekFrom from) {
  const int whence = from == SeekFrom::Begin ? SEEK_SET : from == SeekFrom::Current ? SEEK_CUR : SEEK_END;
  return ::lseek(Native(file), offset, whence);
}

bool Truncate(FileHandle file) {
  const off_t here = ::lseek(Native(file), 0, SEEK_CUR);
  return here >= 0 && ::ftruncate(Native(file), here) == 0;
}

bool IsDiskFile(FileHandle file) {
  struct stat st {};
  return ::fstat(Native(file), &st) == 0 && S_ISREG(st.st_mode);
}

std::int64_t ReadBytes(FileHandle file, void* buffer, std::size_t count) {
  ssize_t got = 0;
  do {
    got = ::read(Native(file), buffer, count);
  } while (got < 0 && errno == EINTR);
  return got;
}

std::int64_t WriteBytes(FileHandle file, const void* data, std::size_t count) {
  const char* bytes = static_cast<const char*>(data);
  std::size_t done = 0;
  while (done < count) {
    const ssize_t put = ::write(Native(file), bytes + done, count - done);
    if (put < 0 && errno == EINTR) continue;
    if (put < 0) return -1;
    if (put == 0) break;
    done += static_cast<std::size_t>(put);
  }
  return static_cast<std::int64_t>(done);
}

}  // namespace platform
