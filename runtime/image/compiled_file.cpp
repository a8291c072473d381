#include "image/compiled_file.h"

#include "image/bad_format.h"
#include "image/container.h"
#include "image/image_reader.h"
#include "sys/file_open.h"
#include "platform/errors.h"
#include "sys/os_text.h"
#include "sys/transfer.h"

namespace {

std::string BytesOfText(TextView text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (Char c : text) {
    if (CodeUnit(c) > 0xFF) RaiseBadFormat();
    bytes.push_back(static_cast<char>(CodeUnit(c)));
  }
  return bytes;
}

// Only the image's own bytes are read, however large the file.
std::string ReadImageBytes(TextView fileName) {
  FileGuard file(OpenFileChecked(fileName, false));
  FileChannel channel(file.Get());
  const std::int64_t fileSize = platform::Seek(file.Get(), 0, platform::SeekFrom::End);
  if (fileSize < 0) RaiseFileFailure(QT("Read"), fileName, TextFromUtf16(platform::LastErrorText()));
  if (static_cast<uint64_t>(fileSize) < kImageTrailerSize) RaiseBadFormat();
  const std::int64_t trailerStart = fileSize - static_cast<std::int64_t>(kImageTrailerSize);
  const uint64_t imageSize = ImageSizeFromTrailer(ReadRange(channel, trailerStart, kImageTrailerSize));
  if (imageSize > static_cast<uint64_t>(fileSize) || imageSize > std::string().max_size()) RaiseBadFormat();
  return ReadRange(channel, fileSize - static_cast<std::int64_t>(imageSize), static_cast<std::size_t>(imageSize));
}

}  // namespace

CBase* LoadCompiledImage(std::string bytes) {
  CImageReader reader;
  return reader.Load(std::move(bytes));
}

CBase* LoadCompiledFile(TextView source, bool fromMemory) {
  return LoadCompiledImage(fromMemory ? BytesOfText(source) : ReadImageBytes(source));
}

