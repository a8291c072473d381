#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/common/os.h"
#include "platform/filesystem.h"
#include "platform/posix/native.h"

namespace platform {
namespace {

constexpr double kUnixEpochOleDate = 25569;  // 1970-01-01 as days since 1899-12-30
constexpr double kSecondsPerDay = 86400;

double OleDate(std::int64_t seconds, std::uint32_t nanoseconds) {
  return kUnixEpochOleDate + (static_cast<double>(seconds) + nanoseconds / 1e9) / kSecondsPerDay;
}

bool Stat(const std::u16string& path, struct stat& st) {
  return ::stat(detail::NativePath(path).c_str(), &st) == 0;
}

// Birth time where the file system keeps one, else the last write.
bool StatWithBirth(const std::u16string& path, FileInfo& info) {
  struct statx sx {};
  if (::statx(AT_FDCWD, detail::NativePath(path).c_str(), 0, STATX_BASIC_STATS | STATX_BTIME, &sx) != 0) return false;
  const statx_timestamp& born = (sx.stx_mask & STATX_BTIME) ? sx.stx_btime : sx.stx_mtime;
  info.folder = S_ISDIR(sx.stx_mode);
  info.size = static_cast<std::int64_t>(sx.stx_size);
  info.created = OleDate(born.tv_sec, born.tv_nsec);
  info.written = OleDate(sx.stx_mtime.tv_sec, sx.stx_mtime.tv_nsec);
  return true;
}

}  // namespace

bool FileExists(const std::u16string& path) {
  struct stat st {};
  return Stat(path, st) && !S_ISDIR(st.st_mode);
}

bool FolderExists(const std::u16string& path) {
  struct stat st {};
  return Stat(path, st) && S_ISDIR(st.st_mode);
}

bool QueryFileInfo(const std::u16string& path, FileInfo& info) {
  if (StatWithBirth(path, info)) return true;
  if (errno != ENOSYS && errno != EPERM) return false;
  // Kernels or sandboxes without statx.
  struct stat st {};
  if (!Stat(path, st)) return false;
  info.folder = S_ISDIR(st.st_mode);
  info.size = st.st_size;
  info.written = OleDate(st.st_mtim.tv_sec, static_cast<std::uint32_t>(st.st_mtim.tv_nsec));
  info.created = info.written;
  return true;
}

bool FileDelete(const std::u16string& path) { return ::unlink(detail::NativePath(path).c_str()) == 0; }

bool FolderRemove(const std::u16string& path) { return ::rmdir(detail::NativePath(path).c_str()) == 0; }

namespace detail {

bool CreateOneFolder(const std::u16string& path) { return ::mkdir(NativePath(path).c_str(), 0777) == 0; }

}  // namespace detail
}  // namespace platform
