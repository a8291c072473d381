#include "toolkit/core/stream.h"

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "toolkit/core/exceptions.h"

namespace toolkit {

namespace {

std::FILE* OpenFile(const String& name, const char* mode) {
#ifdef _WIN32
  std::wstring wideMode(mode, mode + std::strlen(mode));
  return ::_wfopen(reinterpret_cast<const wchar_t*>(name.c_str()), wideMode.c_str());
#else
  return std::fopen(ToUtf8(name).c_str(), mode);
#endif
}

}  // namespace

std::int64_t Stream::Size() {
  const std::int64_t position = Seek(0, SeekOrigin::Current);
  const std::int64_t size = Seek(0, SeekOrigin::End);
  Seek(position, SeekOrigin::Begin);
  return size;
}

void Stream::SetSize(std::int64_t) { throw StreamError(u"Stream size cannot change"); }

void Stream::ReadBuffer(void* buffer, std::int64_t count) {
  if (count != 0 && Read(buffer, count) != count) throw ReadError(messages::kReadError);
}

void Stream::WriteBuffer(const void* buffer, std::int64_t count) {
  if (count != 0 && Write(buffer, count) != count) throw WriteError(messages::kWriteError);
}

std::int64_t Stream::CopyFrom(Stream& source, std::int64_t count) {
  if (count == 0) {
    source.SetPosition(0);
    count = source.Size();
  }
  std::vector<std::uint8_t> buffer(static_cast<std::size_t>(std::min<std::int64_t>(count, 61440)));
  std::int64_t left = count;
  while (left > 0) {
    const std::int64_t chunk = std::min<std::int64_t>(left, static_cast<std::int64_t>(buffer.size()));
    source.ReadBuffer(buffer.data(), chunk);
    WriteBuffer(buffer.data(), chunk);
    left -= chunk;
  }
  return count;
}

void CustomMemoryStream::SetPointer(std::uint8_t* memory, std::int64_t size) {
  memory_ = memory;
  size_ = size;
}

std::int64_t CustomMemoryStream::Read(void* buffer, std::int64_t count) {
  if (count <= 0 || position_ >= size_) return 0;
  const std::int64_t n = std::min(count, size_ - position_);
  std::memcpy(buffer, memory_ + position_, static_cast<std::size_t>(n));
  position_ += n;
  return n;
}

std::int64_t CustomMemoryStream::Seek(std::int64_t offset, SeekOrigin origin) {
  const std::int64_t base = origin == SeekOrigin::Begin ? 0 : origin == SeekOrigin::Current ? position_ : size_;
  const std::int64_t target = base + offset;
  if (target < 0) throw StreamError(u"Seek before the start of the stream");
  position_ = target;
  return position_;
}

void CustomMemoryStream::SaveToStream(Stream& destination) {
  if (size_ > 0) destination.WriteBuffer(memory_, size_);
}

void CustomMemoryStream::SaveToFile(const String& fileName) {
  FileStream file(fileName, FileMode::Create);
  SaveToStream(file);
}

std::int64_t MemoryStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  const std::int64_t end = position_ + count;
  if (end > size_) {
    block_.resize(static_cast<std::size_t>(end));
    SetPointer(block_.data(), end);
  }
  std::memcpy(memory_ + position_, buffer, static_cast<std::size_t>(count));
  position_ = end;
  return count;
}

void MemoryStream::SetSize(std::int64_t size) {
  if (size < 0) throw StreamError(u"Stream size cannot be negative");
  block_.resize(static_cast<std::size_t>(size));
  SetPointer(block_.data(), size);
  if (position_ > size) position_ = size;
}

void MemoryStream::Clear() {
  block_.clear();
  SetPointer(nullptr, 0);
  position_ = 0;
}

void MemoryStream::LoadFromStream(Stream& source) {
  source.SetPosition(0);
  const std::int64_t count = source.Size();
  SetSize(count);
  source.ReadBuffer(memory_, count);
  position_ = 0;
}

void MemoryStream::LoadFromFile(const String& fileName) {
  FileStream file(fileName, FileMode::OpenRead);
  LoadFromStream(file);
}

FileStream::FileStream(const String& fileName, FileMode mode) : fileName_(fileName) {
  const char* how = mode == FileMode::Create ? "w+b" : mode == FileMode::OpenRead ? "rb" : "r+b";
  file_ = OpenFile(fileName, how);
  if (!file_)
    throw FileStreamError(FormatText(mode == FileMode::Create ? messages::kFCreateError : messages::kFOpenError, fileName));
}

FileStream::~FileStream() {
  if (file_) std::fclose(file_);
}

std::int64_t FileStream::Read(void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  return static_cast<std::int64_t>(std::fread(buffer, 1, static_cast<std::size_t>(count), file_));
}

std::int64_t FileStream::Write(const void* buffer, std::int64_t count) {
  if (count <= 0) return 0;
  return static_cast<std::int64_t>(std::fwrite(buffer, 1, static_cast<std::size_t>(count), file_));
}

std::int64_t FileStream::Seek(std::int64_t offset, SeekOrigin origin) {
  const int whence = origin == SeekOrigin::Begin ? SEEK_SET : origin == SeekOrigin::Current ? SEEK_CUR : SEEK_END;
#ifdef _WIN32
  if (::_fseeki64(file_, offset, whence) != 0) throw StreamError(u"Seek failed");
  return ::_ftelli64(file_);
#else
  if (::fseeko(file_, offset, whence) != 0) throw StreamError(u"Seek failed");
  return ::ftello(file_);
#endif
}

void FileStream::SetSize(std::int64_t size) {
  std::fflush(file_);
  std::error_code error;
  std::filesystem::resize_file(std::filesystem::path(fileName_), static_cast<std::uintmax_t>(size), error);
  if (error) throw StreamError(FormatText(u"Cannot change the size of \"%s\"", fileName_));
  if (Position() > size) SetPosition(size);
}

}  // namespace toolkit
