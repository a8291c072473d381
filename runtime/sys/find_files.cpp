#include <vector>

#include "platform/dirs.h"
#include "sys/os_text.h"
#include "sys/sys_util.h"

namespace {

bool IsSeparator(char16_t c) { return c == u'\\' || c == u'/'; }

struct Search {
  std::u16string mask;
  bool folders;
  bool subfolders;
  bool withSize;
  const CSysUtil::FoundFile& found;
};

// A folder that cannot be listed simply has no entries.
std::vector<platform::DirEntry> Entries(const std::u16string& folder, std::u16string_view mask) {
  std::vector<platform::DirEntry> entries;
  platform::ListFolder(folder, mask, entries);
  return entries;
}

void Walk(const Search& search, const std::u16string& folder) {
  for (const platform::DirEntry& entry : Entries(folder, search.mask)) {
    if (entry.folder == search.folders) search.found(TextFromUtf16(folder + entry.name), search.withSize ? entry.size : -1);
  }
  if (!search.subfolders) return;
  // Linked folders are not entered: a link to an ancestor would never end.
  for (const platform::DirEntry& entry : Entries(folder, u"*.*")) {
    if (entry.folder && !entry.link) Walk(search, folder + entry.name + u'\\');
  }
}

}  // namespace

void CSysUtil::FindFiles(TextView pathWithMask, bool includeSubfolders, const FoundFile& found, bool withSize) {
  std::u16string path = Utf16FromText(pathWithMask);
  const bool folders = !path.empty() && IsSeparator(path.back());
  if (folders) path.pop_back();
  std::size_t cut = path.size();
  while (cut > 0 && !IsSeparator(path[cut - 1])) --cut;
  const Search search{path.substr(cut), folders, includeSubfolders, withSize, found};
  Walk(search, path.substr(0, cut));
}
