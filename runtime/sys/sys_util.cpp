#include "runtime/sys/sys_util.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "runtime/error.h"
#include "runtime/text_limit.h"
#include "runtime/sys/text_search.h"
#include "platform/codepage.h"
#include "platform/dirs.h"
#include "platform/errors.h"
#include "platform/filesystem.h"

namespace runtime {

void CSysUtil::CopyFile(TextView source, TextView destination, bool overwrite) {
  platform::FileCopy(Utf16FromText(source), Utf16FromText(destination), overwrite);
}

// Without a destination the source goes, whether it is a file or an empty folder.
void CSysUtil::MoveFile(TextView source, TextView destination) {
  const std::u16string from = Utf16FromText(source);
  if (!destination.empty()) {
    platform::FileMove(from, Utf16FromText(destination));
    return;
  }
  platform::FileDelete(from);
  platform::FolderRemove(from);
}

double CSysUtil::FileInfo(TextView fileName, int kind) {
  platform::FileInfo info;
  if (!platform::QueryFileInfo(Utf16FromText(fileName), info)) return 0;
  switch (kind) {
    case 0: return info.created;
    case 1: return info.written;
    default: return static_cast<std::uint32_t>(info.size);
  }
}

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

namespace {

Text LastErrorMessage() { return TextFromUtf16(platform::LastErrorText()); }

}  // namespace

platform::LibraryHandle LoadLibraryChecked(TextView name) {
  platform::LibraryHandle library = platform::OpenLibrary(Utf16FromText(name));
  if (!library) RaiseError(QT("LoadLibrary(") + Text(name) + QT("): ") + LastErrorMessage());
  return library;
}

void* GetProcAddressChecked(platform::LibraryHandle library, TextView name) {
  const std::string exportName = SystemBytesFromText(name);
  if (void* address = platform::LibrarySymbol(library, exportName)) return address;
  if (void* address = platform::LibrarySymbol(library, exportName + "W")) return address;
  const Text reason = LastErrorMessage();
  CSysUtil::FreeLibrary(library);
  RaiseError(QT("GetProcAddress(") + Text(name) + QT("): ") + reason);
}

void CSysUtil::FreeLibrary(platform::LibraryHandle library) {
  if (library) platform::CloseLibrary(library);
}

void CheckOSResult(std::int64_t result, TextView message) {
  if (result < 0) RaiseLastOSError(message);
}

void RaiseLastOSError(TextView message) { RaiseError(Text(message) + TextFromUtf16(platform::LastErrorText())); }

// Unmapped characters become "?" or U+FFFD; only an unknown system code page
// (a bad QEL_CODEPAGE) fails, and then UTF-8 stands in for it.
namespace {

std::string EncodeSystem(std::u16string_view text) {
  std::string bytes;
  if (!platform::EncodeCodePage(0, text, bytes)) platform::EncodeCodePage(platform::kCodePageUtf8, text, bytes);
  return bytes;
}

}  // namespace

#ifdef QEL_ANSI

std::u16string Utf16FromText(TextView text) {
  std::u16string wide;
  if (!platform::DecodeCodePage(0, text, wide)) platform::DecodeCodePage(platform::kCodePageUtf8, text, wide);
  return wide;
}

Text TextFromUtf16(std::u16string_view text) { return EncodeSystem(text); }
std::string SystemBytesFromText(TextView text) { return std::string(text); }

#else

std::u16string Utf16FromText(TextView text) { return std::u16string(text); }
Text TextFromUtf16(std::u16string_view text) { return Text(text); }
std::string SystemBytesFromText(TextView text) { return EncodeSystem(text); }

#endif

Text ReplaceText(TextView source, TextView find, TextView replacement, int flags) {
  if (find.empty()) return Text(source);
  const bool ignoreCase = flags & kReplaceIgnoreCase;
  std::size_t at = FindText(source, find, 0, ignoreCase);
  if (at == TextView::npos) return Text(source);
  // Counted first, so that a result past the text limit fails before it is built.
  uint64_t count = 1;
  if (flags & kReplaceAll)
    for (std::size_t next = FindText(source, find, at + find.size(), ignoreCase); next != TextView::npos;
         next = FindText(source, find, next + find.size(), ignoreCase))
      ++count;
  const uint64_t length = source.size() + count * replacement.size() - count * find.size();
  CheckTextLength(length);
  Text result;
  result.reserve(static_cast<std::size_t>(length));
  std::size_t copied = 0;
  for (; at != TextView::npos; at = flags & kReplaceAll ? FindText(source, find, copied, ignoreCase) : TextView::npos) {
    result.append(source.substr(copied, at - copied));
    result.append(replacement);
    copied = at + find.size();
  }
  result.append(source.substr(copied));
  return result;
}

}  // namespace runtime
