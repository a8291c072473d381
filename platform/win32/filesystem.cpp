#include "platform/common/os.h"
#include "platform/filesystem.h"
#include "platform/win32/wide.h"

namespace platform {
namespace {

constexpr double kTicksPerDay = 864000000000.0;  // 100 ns units
constexpr double kOleEpochDays = 109205;         // 1601-01-01 to 1899-12-30

double OleDate(const FILETIME& time) {
  const ULONGLONG ticks = (static_cast<ULONGLONG>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
  return static_cast<double>(ticks) / kTicksPerDay - kOleEpochDays;
}

DWORD Attributes(const std::u16string& path) { return ::GetFileAttributesW(detail::Wide(path)); }

}  // namespace

bool FileExists(const std::u16string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::u16string& path) {
  const DWORD attributes = Attributes(path);
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool QueryFileInfo(const std::u16string& path, FileInfo& info) {
  WIN32_FILE_ATTRIBUTE_DATA data{};
  if (!::GetFileAttributesExW(detail::Wide(path), GetFileExInfoStandard, &data)) return false;
  info.folder = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  info.size = (static_cast<std::int64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
  info.created = OleDate(data.ftCreationTime);
  info.written = OleDate(data.ftLastWriteTime);
  return true;
}

bool FileCopy(const std::u16string& source, const std::u16string& destination, bool overwrite) {
  return ::CopyFileW(detail::Wide(source), detail::Wide(destination), !overwrite) != 0;
}

bool FileMove(const std::u16string& source, const std::u16string& destination) {
  return ::MoveFileW(detail::Wide(source), detail::Wide(destination)) != 0;
}

bool FileDelete(const std::u16string& path) { return ::DeleteFileW(detail::Wide(path)) != 0; }

bool FolderRemove(const std::u16string& path) { return ::RemoveDirectoryW(detail::Wide(path)) != 0; }

namespace detail {

bool CreateOneFolder(const std::u16string& path) { return ::CreateDirectoryW(Wide(path), nullptr) != 0; }

}  // namespace detail
}  // namespace platform
