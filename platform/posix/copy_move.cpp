#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/filesystem.h"
#include "platform/posix/fd.h"
#include "platform/posix/native.h"

namespace platform {
namespace {

bool CopyBytes(int from, int to) {
  char buffer[1 << 16];
  for (;;) {
    const ssize_t got = ::read(from, buffer, sizeof buffer);
    if (got < 0 && errno == EINTR) continue;
    if (got <= 0) return got == 0;
    for (ssize_t done = 0; done < got;) {
      const ssize_t put = ::write(to, buffer + done, static_cast<std::size_t>(got - done));
      if (put < 0 && errno == EINTR) continue;
      if (put <= 0) return false;
      done += put;
    }
  }
}

bool SameFile(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

// Like CopyFile: contents, permission bits and last-write time.
bool CopyFileContents(const std::string& source, const std::string& destination, bool overwrite) {
  detail::Fd from(::open(source.c_str(), O_RDONLY | O_CLOEXEC));
  struct stat in {};
  if (from.get() < 0 || ::fstat(from.get(), &in) != 0) return false;
  if (S_ISDIR(in.st_mode)) {
    errno = EISDIR;
    return false;
  }
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (overwrite ? 0 : O_EXCL);
  detail::Fd to(::open(destination.c_str(), flags, in.st_mode & 0777));
  struct stat out {};
  if (to.get() < 0 || ::fstat(to.get(), &out) != 0) return false;
  // Emptying the destination first would destroy a source copied onto itself.
  if (SameFile(in, out)) {
    errno = EBUSY;
    return false;
  }
  if (::ftruncate(to.get(), 0) == 0 && CopyBytes(from.get(), to.get())) {
    const struct timespec times[2] = {in.st_atim, in.st_mtim};
    ::futimens(to.get(), times);
    if (::close(to.release()) == 0) return true;
  }
  // No half-written copies are left behind.
  const int error = errno;
  ::unlink(destination.c_str());
  errno = error;
  return false;
}

bool Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

}  // namespace

bool FileCopy(const std::u16string& source, const std::u16string& destination, bool overwrite) {
  return CopyFileContents(detail::NativePath(source), detail::NativePath(destination), overwrite);
}

bool FileMove(const std::u16string& source, const std::u16string& destination) {
  const std::string from = detail::NativePath(source);
  const std::string to = detail::NativePath(destination);
  if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return true;
  // File systems without RENAME_NOREPLACE: check first, then rename.
  if (errno == EINVAL || errno == ENOSYS) {
    if (Exists(to)) {
      errno = EEXIST;
      return false;
    }
    if (::rename(from.c_str(), to.c_str()) == 0) return true;
  }
  // MoveFile carries files, not folders, across volumes.
  if (errno != EXDEV || !CopyFileContents(from, to, false)) return false;
  return ::unlink(from.c_str()) == 0;
}

}  // namespace platform
