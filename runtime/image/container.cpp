#include "image/container.h"

#include "image/bad_format.h"

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
