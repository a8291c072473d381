#include <cwchar>

#include "platform/dirs.h"
#include "platform/win32/wide.h"

// Every entry is read with "*" and filtered by MaskMatches, so masks behave the
// same on both builds (and never match the short 8.3 names).
namespace platform {
namespace {

std::u16string Pattern(const std::u16string& folder) {
  if (folder.empty()) return u"*";
  const char16_t last = folder.back();
  return folder + (last == u'\\' || last == u'/' || last == u':' ? u"*" : u"\\*");
}

bool IsDotEntry(const wchar_t* name) { return name[0] == L'.' && (name[1] == 0 || (name[1] == L'.' && name[2] == 0)); }

DirEntry MakeEntry(const WIN32_FIND_DATAW& data) {
  DirEntry entry;
  entry.name = detail::FromWide(data.cFileName, std::wcslen(data.cFileName));
  entry.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  entry.link = (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0;
  entry.size = entry.folder ? 0 : (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  return entry;
}

}  // namespace

bool ListFolder(const std::u16string& folder, std::u16string_view mask, std::vector<DirEntry>& entries) {
  entries.clear();
  WIN32_FIND_DATAW data{};
  const HANDLE find = ::FindFirstFileW(detail::Wide(Pattern(folder)), &data);
  if (find == INVALID_HANDLE_VALUE) return ::GetLastError() == ERROR_FILE_NOT_FOUND;
  do {
    if (IsDotEntry(data.cFileName)) continue;
    DirEntry entry = MakeEntry(data);
    if (MaskMatches(entry.name, mask)) entries.push_back(std::move(entry));
  } while (::FindNextFileW(find, &data));
  const DWORD error = ::GetLastError();
  ::FindClose(find);
  ::SetLastError(error);
  return error == ERROR_NO_MORE_FILES;
}

}  // namespace platform
