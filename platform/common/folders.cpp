#include "platform/errors.h"
#include "platform/filesystem.h"
#include "platform/common/os.h"

namespace platform {
namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

}  // namespace

bool FolderCreate(const std::u16string& path) {
  std::u16string folder = path;
  while (folder.size() > 1 && IsSeparator(folder.back())) folder.pop_back();
  if (FolderExists(folder)) return true;
  std::size_t cut = folder.size();
  while (cut > 0 && !IsSeparator(folder[cut - 1])) --cut;
  // cut - 1 is the last separator; a leading one is the root.
  if (cut > 1) {
    const std::u16string parent = folder.substr(0, cut - 1);
    if (!FolderExists(parent) && !FolderCreate(parent)) return false;
  }
  if (detail::CreateOneFolder(folder)) return true;
  const int error = LastError();
  if (FolderExists(folder)) return true;  // made by someone else meanwhile
  SetLastError(error);
  return false;
}

}  // namespace platform
