#include "platform/files.h"
#include "platform/win32/wide.h"

#include <algorithm>

namespace platform {
namespace {

constexpr DWORD kShareReadWrite = FILE_SHARE_READ | FILE_SHARE_WRITE;

FileHandle Open(const std::u16string& path, DWORD access, DWORD share, DWORD disposition) {
  return detail::FromNative(::CreateFileW(detail::Wide(path), access, share, nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr));
}

DWORD Chunk(std::size_t count) { return static_cast<DWORD>(std::min<std::size_t>(count, MAXDWORD)); }

}  // namespace

FileHandle OpenForReading(const std::u16string& path) {
  return Open(path, GENERIC_READ, kShareReadWrite, OPEN_EXISTING);
}

FileHandle OpenForUpdate(const std::u16string& path) {
  return Open(path, GENERIC_READ | GENERIC_WRITE, kShareReadWrite, OPEN_EXISTING);
}

FileHandle CreateAlways(const std::u16string& path) {
  return Open(path, GENERIC_READ | GENERIC_WRITE, 0, CREATE_ALWAYS);
}

bool CloseFile(FileHandle file) {
  // -1 is also the current process's pseudo handle, which CloseHandle accepts.
  if (file == kInvalidFile) {
    ::SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  return ::CloseHandle(detail::Native(file)) != 0;
}

std::int64_t Seek(FileHandle file, std::int64_t offset, SeekFrom from) {
  const DWORD method = from == SeekFrom::Begin ? FILE_BEGIN : from == SeekFrom::Current ? FILE_CURRENT : FILE_END;
  LARGE_INTEGER distance{};
  distance.QuadPart = offset;
  LARGE_INTEGER position{};
  if (!::SetFilePointerEx(detail::Native(file), distance, &position, method)) return -1;
  return position.QuadPart;
}

bool Truncate(FileHandle file) { return ::SetEndOfFile(detail::Native(file)) != 0; }

bool IsDiskFile(FileHandle file) { return ::GetFileType(detail::Native(file)) == FILE_TYPE_DISK; }

std::int64_t ReadBytes(FileHandle file, void* buffer, std::size_t count) {
  DWORD got = 0;
  if (::ReadFile(detail::Native(file), buffer, Chunk(count), &got, nullptr)) return got;
  // A pipe whose writer has gone has simply ended.
  return ::GetLastError() == ERROR_BROKEN_PIPE ? 0 : -1;
}

std::int64_t WriteBytes(FileHandle file, const void* data, std::size_t count) {
  const char* bytes = static_cast<const char*>(data);
  std::size_t done = 0;
  while (done < count) {
    DWORD put = 0;
    if (!::WriteFile(detail::Native(file), bytes + done, Chunk(count - done), &put, nullptr)) return -1;
    if (put == 0) break;
    done += put;
  }
  return static_cast<std::int64_t>(done);
}

}  // namespace platform
