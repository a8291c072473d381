// Files by handle. Failures return kInvalidFile, -1 or false and leave the OS error set.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

using FileHandle = std::intptr_t;
inline constexpr FileHandle kInvalidFile = -1;

enum class SeekFrom { Begin, Current, End };

// Read only, others may read and write meanwhile.
FileHandle OpenForReading(const std::u16string& path);
// An existing file for reading and writing, others may read and write meanwhile.
FileHandle OpenForUpdate(const std::u16string& path);
// A new or emptied file for reading and writing, not shared.
FileHandle CreateAlways(const std::u16string& path);
bool CloseFile(FileHandle file);

// The new position from the start, or -1.
std::int64_t Seek(FileHandle file, std::int64_t offset, SeekFrom from);
// Cuts the file at the current position.
bool Truncate(FileHandle file);
// An ordinary file on a disk, with a size and positions; devices and pipes
// are none, and neither is a handle whose kind cannot be told.
bool IsDiskFile(FileHandle file);
// One request: may move fewer bytes than asked (0 at the end of a file).
std::int64_t ReadBytes(FileHandle file, void* buffer, std::size_t count);
// Writes everything unless an error stops it; returns the count written or -1.
std::int64_t WriteBytes(FileHandle file, const void* data, std::size_t count);
bool WriteString(FileHandle file, std::string_view bytes);

bool ReadWholeFile(const std::u16string& path, std::string& bytes);
bool WriteWholeFile(const std::u16string& path, std::string_view bytes);

}  // namespace platform
