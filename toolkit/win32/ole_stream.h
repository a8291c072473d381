// A toolkit stream over an OLE IStream, for data handed over by the system
// (clipboard and drag and drop media).
#pragma once
#include "toolkit/core/stream.h"
#include "toolkit/win32/windows_api.h"

namespace toolkit::win32 {

class OleStream : public Stream {
 public:
  // Holds a reference to the stream while it lives.
  explicit OleStream(IStream* stream);
  ~OleStream() override;
  OleStream(const OleStream&) = delete;
  OleStream& operator=(const OleStream&) = delete;

  std::int64_t Read(void* buffer, std::int64_t count) override;
  std::int64_t Write(const void* buffer, std::int64_t count) override;
  std::int64_t Seek(std::int64_t offset, SeekOrigin origin) override;
  void SetSize(std::int64_t size) override;

 private:
  IStream* stream_;
};

}  // namespace toolkit::win32
