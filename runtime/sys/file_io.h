// Opening files and whole-range reads and writes.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "runtime/text.h"

namespace runtime {

// Opening files for the text routines, with the runtime's failure messages.

// Reading shares the file with everyone. Writing opens an existing file shared,
// or creates a missing one with its missing folders, unshared.
platform::FileHandle OpenFileChecked(TextView fileName, bool forWriting);
// Raises verb "expanded file name" failed: reason. Every failure of a file
// routine names its file this way.
[[noreturn]] void RaiseFileFailure(TextView verb, TextView fileName, TextView reason);

// Closes the file on every path out of a scope.
class FileGuard {
public:
  explicit FileGuard(platform::FileHandle file) : file_(file) {}
  FileGuard(const FileGuard&) = delete;
  FileGuard& operator=(const FileGuard&) = delete;
  ~FileGuard() { Close(); }
  platform::FileHandle Get() const { return file_; }
  // False when closing failed, which may mean written bytes were lost.
  bool Close();

private:
  platform::FileHandle file_;
};

// Whole-range reads and writes: one request first, then pieces when it fails.
inline constexpr std::size_t kTransferChunk = 33554432;

// What the transfers need of a file; tests put a faulty one in its place.
class ByteChannel {
public:
  virtual ~ByteChannel() = default;
  // As platform::ReadBytes / WriteBytes: a count (possibly short) or -1.
  virtual std::int64_t Read(void* buffer, std::size_t count) = 0;
  virtual std::int64_t Write(const void* data, std::size_t count) = 0;
  virtual bool SeekTo(std::int64_t offset) = 0;
};

class FileChannel : public ByteChannel {
public:
  explicit FileChannel(platform::FileHandle file) : file_(file) {}
  std::int64_t Read(void* buffer, std::size_t count) override;
  std::int64_t Write(const void* data, std::size_t count) override;
  bool SeekTo(std::int64_t offset) override;

private:
  platform::FileHandle file_;
};

// count bytes from start; fewer when the file ends sooner.
std::string ReadRange(ByteChannel& channel, std::int64_t start, std::size_t count, std::size_t chunk = kTransferChunk);
void WriteRange(ByteChannel& channel, std::int64_t start, std::string_view bytes, std::size_t chunk = kTransferChunk);

// Files whose size the system cannot tell (pipes, devices, /proc) or that grew
// meanwhile: from the current position until a read gives nothing, in
// growing pieces of at most chunk bytes. Beyond limit bytes it raises.
std::string ReadToEnd(ByteChannel& channel, std::size_t limit, std::size_t chunk = kTransferChunk);
// Writes at the current position, without seeking: pipes and devices have none.
void WriteHere(ByteChannel& channel, std::string_view bytes, std::size_t chunk = kTransferChunk);

}  // namespace runtime
