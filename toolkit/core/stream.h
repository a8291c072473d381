// Byte streams: the abstract stream, memory streams and file streams.
#pragma once
#include <cstdint>
#include <cstdio>
#include <vector>

#include "toolkit/core/method.h"
#include "toolkit/core/text.h"

namespace toolkit {

enum class SeekOrigin { Begin, Current, End };

class Stream : public Object {
 public:
  // Reads up to count bytes; answers how many were read.
  virtual std::int64_t Read(void* buffer, std::int64_t count) = 0;
  // Writes up to count bytes; answers how many were written.
  virtual std::int64_t Write(const void* buffer, std::int64_t count) = 0;
  virtual std::int64_t Seek(std::int64_t offset, SeekOrigin origin) = 0;

  std::int64_t Position() { return Seek(0, SeekOrigin::Current); }
  void SetPosition(std::int64_t position) { Seek(position, SeekOrigin::Begin); }
  virtual std::int64_t Size();
  virtual void SetSize(std::int64_t size);

  // Whole transfers: a short read or write is an error.
  void ReadBuffer(void* buffer, std::int64_t count);
  void WriteBuffer(const void* buffer, std::int64_t count);
  // Copies count bytes from source's position; count 0 copies all of source
  // from its start. Answers the bytes copied.
  std::int64_t CopyFrom(Stream& source, std::int64_t count);
};

// A stream over a block someone else provides.
class CustomMemoryStream : public Stream {
 public:
  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  std::int64_t Size() override { return size_; }
  const std::uint8_t* Memory() const { return memory_; }
  void SaveToStream(Stream& destination);
  void SaveToFile(const String& fileName);

 protected:
  void SetPointer(std::uint8_t* memory, std::int64_t size);
  std::uint8_t* memory_ = nullptr;
  std::int64_t size_ = 0;
  std::int64_t position_ = 0;
};

// A growable block the stream owns.
class MemoryStream : public CustomMemoryStream {
 public:
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  void SetSize(std::int64_t size) override;
  void Clear();
  void LoadFromStream(Stream& source);
  void LoadFromFile(const String& fileName);
  std::uint8_t* Memory() { return memory_; }

 private:
  std::vector<std::uint8_t> block_;
};

enum class FileMode { Create, OpenRead, OpenWrite, OpenReadWrite };

class FileStream : public Stream {
 public:
  FileStream(const String& fileName, FileMode mode);
  ~FileStream() override;
  FileStream(const FileStream&) = delete;
  FileStream& operator=(const FileStream&) = delete;

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  void SetSize(std::int64_t size) override;
  const String& FileName() const { return fileName_; }

 private:
  String fileName_;
  std::FILE* file_ = nullptr;
};

}  // namespace toolkit
