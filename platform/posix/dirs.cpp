#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>

#include <memory>

#include "platform/dirs.h"
#include "platform/posix/native.h"

namespace platform {
namespace {

struct DirCloser {
  void operator()(DIR* dir) const {
    const int error = errno;
    ::closedir(dir);
    errno = error;
  }
};

bool IsDotEntry(const char* name) { return name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)); }

// Links are followed; a dangling one shows as an empty file.
DirEntry MakeEntry(int dirFd, const char* name) {
  DirEntry entry{detail::FromNative(name), false, false, 0};
  struct stat st {};
  if (::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0) entry.link = S_ISLNK(st.st_mode);
  if (::fstatat(dirFd, name, &st, 0) == 0 || ::fstatat(dirFd, name, &st, AT_SYMLINK_NOFOLLOW) == 0) {
    entry.folder = S_ISDIR(st.st_mode);
    entry.size = entry.folder ? 0 : st.st_size;
  }
  return entry;
}

}  // namespace

bool ListFolder(const std::u16string& folder, std::u16string_view mask, std::vector<DirEntry>& entries) {
  entries.clear();
  const std::string path = folder.empty() ? std::string(".") : detail::NativePath(folder);
  std::unique_ptr<DIR, DirCloser> dir(::opendir(path.c_str()));
  if (!dir) return false;
  for (;;) {
    errno = 0;
    const dirent* item = ::readdir(dir.get());
    if (!item) return errno == 0;
    if (IsDotEntry(item->d_name)) continue;
    DirEntry entry = MakeEntry(::dirfd(dir.get()), item->d_name);
    if (MaskMatches(entry.name, mask)) entries.push_back(std::move(entry));
  }
}

}  // namespace platform
