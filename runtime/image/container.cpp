#include "runtime/image/container.h"

#include "runtime/image/image_reader.h"
#include "runtime/image/streamer.h"
#include "platform/errors.h"
#include "runtime/sys/file_io.h"
#include "runtime/sys/sys_util.h"

namespace runtime {

namespace {

struct Trailer {
  ImageForm form;
  uint32_t payloadLength;
};

uint32_t Word(std::string_view bytes, std::size_t at) {
  uint32_t word = 0;
  for (std::size_t i = 4; i-- > 0;) word = word << 8 | static_cast<uint8_t>(bytes[at + i]);
  return word;
}

std::optional<ImageForm> FormOf(uint8_t formByte) {
  if (formByte == kOrdinaryFormByte) return ImageForm::kOrdinary;
  if (formByte == kSecondFormByte) return ImageForm::kSecond;
  return std::nullopt;
}

std::optional<Trailer> ParseTrailer(std::string_view trailer) {
  if (trailer.size() != kImageTrailerSize || trailer.substr(5) != kImageTag) return std::nullopt;
  const std::optional<ImageForm> form = FormOf(static_cast<uint8_t>(trailer[4]));
  if (!form) return std::nullopt;
  return Trailer{*form, Word(trailer, 0) ^ LengthKey(*form)};
}

bool HeaderAgrees(std::string_view header, uint32_t payloadLength) {
  const uint8_t version = static_cast<uint8_t>(header[3]);
  return header.substr(0, 3) == kImageMagic && (version == kImageVersionPlain || version == kImageVersion29) &&
         Word(header, 4) == payloadLength;
}

}  // namespace

bool EndsWithImageTag(std::string_view bytes) { return bytes.ends_with(kImageTag); }

uint64_t ImageSizeFromTrailer(std::string_view trailer) {
  const std::optional<Trailer> parsed = ParseTrailer(trailer);
  if (!parsed) RaiseBadFormat();
  return uint64_t(parsed->payloadLength) + kImageHeaderSize + kImageTrailerSize;
}

std::optional<ImageLocation> FindImage(std::string_view bytes) {
  if (bytes.size() < kImageTrailerSize) return std::nullopt;
  const std::optional<Trailer> trailer = ParseTrailer(bytes.substr(bytes.size() - kImageTrailerSize));
  if (!trailer) return std::nullopt;
  const uint64_t size = uint64_t(trailer->payloadLength) + kImageHeaderSize + kImageTrailerSize;
  if (size > bytes.size()) return std::nullopt;
  const std::size_t start = bytes.size() - static_cast<std::size_t>(size);
  if (!HeaderAgrees(bytes.substr(start, kImageHeaderSize), trailer->payloadLength)) return std::nullopt;
  return ImageLocation{start, trailer->payloadLength, trailer->form};
}

ImageLocation LocateImage(std::string_view bytes) {
  const std::optional<ImageLocation> image = FindImage(bytes);
  if (!image) RaiseBadFormat();
  return *image;
}

uint8_t FirstChainKey(int32_t recordCount, ImageForm form) {
  return static_cast<uint8_t>(form == ImageForm::kSecond ? recordCount + 1 : recordCount);
}

uint8_t RecordChainKey(uint8_t key, int32_t classId, int32_t number) {
  return static_cast<uint8_t>(static_cast<uint32_t>(classId) ^ key ^ static_cast<uint32_t>(number));
}

uint8_t DescrambleRecord(uint8_t* body, std::size_t size, uint8_t key, ImageForm form) {
  if (size == 0) return key;
  const uint8_t extra = form == ImageForm::kSecond ? kSecondFormByteKey : 0;
  uint8_t k = static_cast<uint8_t>(key ^ size);
  for (std::size_t i = 0; i < size; ++i) {
    body[i] = static_cast<uint8_t>(body[i] ^ k ^ extra);
    k = body[i];
  }
  return k;
}

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

}  // namespace runtime
