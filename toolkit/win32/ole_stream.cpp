#include "toolkit/win32/ole_stream.h"

#include "toolkit/core/exceptions.h"

namespace toolkit::win32 {

namespace {
// One call moves at most this much: the interface counts in 32 bits.
constexpr std::int64_t kChunk = 0x40000000;
}  // namespace

OleStream::OleStream(IStream* stream) : stream_(stream) {
  if (!stream_) throw StreamError(u"No stream");
  stream_->AddRef();
}

OleStream::~OleStream() { stream_->Release(); }

std::int64_t OleStream::Read(void* buffer, std::int64_t count) {
  std::int64_t total = 0;
  auto* bytes = static_cast<std::uint8_t*>(buffer);
  while (total < count) {
    const ULONG want = static_cast<ULONG>(count - total < kChunk ? count - total : kChunk);
    ULONG got = 0;
    if (FAILED(stream_->Read(bytes + total, want, &got)) || got == 0) break;
    total += got;
  }
  return total;
}

std::int64_t OleStream::Write(const void* buffer, std::int64_t count) {
  std::int64_t total = 0;
  const auto* bytes = static_cast<const std::uint8_t*>(buffer);
  while (total < count) {
    const ULONG want = static_cast<ULONG>(count - total < kChunk ? count - total : kChunk);
    ULONG put = 0;
    if (FAILED(stream_->Write(bytes + total, want, &put)) || put == 0) break;
    total += put;
  }
  return total;
}

std::int64_t OleStream::Seek(std::int64_t offset, SeekOrigin origin) {
  LARGE_INTEGER move{};
  move.QuadPart = offset;
  ULARGE_INTEGER position{};
  const DWORD how = origin == SeekOrigin::Begin ? STREAM_SEEK_SET : origin == SeekOrigin::Current ? STREAM_SEEK_CUR
                                                                                                  : STREAM_SEEK_END;
  if (FAILED(stream_->Seek(move, how, &position))) throw StreamError(u"Seek failed");
  return static_cast<std::int64_t>(position.QuadPart);
}

void OleStream::SetSize(std::int64_t size) {
  ULARGE_INTEGER newSize{};
  newSize.QuadPart = static_cast<ULONGLONG>(size);
  if (FAILED(stream_->SetSize(newSize))) throw StreamError(u"Stream size cannot change");
}

}  // namespace toolkit::win32
