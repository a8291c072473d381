// Compiled images as files: layout, the container at a file's end, scrambling,
// and loading.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "runtime/base/base.h"
#include "runtime/text.h"

namespace runtime {

// Layout constants of compiled images: header, trailer and scrambling keys.

// Images come in two forms that differ only in their keys.
enum class ImageForm { kOrdinary, kSecond };

inline constexpr std::string_view kImageMagic = "qob";
inline constexpr std::string_view kImageTag = "boq";
inline constexpr uint8_t kImageVersionPlain = 0;
inline constexpr uint8_t kImageVersion29 = 0x29;
inline constexpr uint8_t kOrdinaryFormByte = 'Z';
inline constexpr uint8_t kSecondFormByte = 0x8C;

inline constexpr uint32_t kOrdinaryLengthKey = 0x3C71E94D;
inline constexpr uint32_t kSecondLengthKey = 0xC38E16B2;
// Every body byte of the second form is further XORed with this.
inline constexpr uint8_t kSecondFormByteKey = 0x6D;
// One-byte compact integers are XORed with this.
inline constexpr uint8_t kCompactKey = 0x1D;

// Header: magic, version byte, payload length. Trailer: scrambled length,
// form byte, tag.
inline constexpr std::size_t kImageHeaderSize = 8;
inline constexpr std::size_t kImageTrailerSize = 8;

inline uint32_t LengthKey(ImageForm form) {
  return form == ImageForm::kSecond ? kSecondLengthKey : kOrdinaryLengthKey;
}

// Finding a compiled image at the end of a file's bytes: the trailer gives
// the form and the payload length, the header must agree with it.
struct ImageLocation {
  std::size_t start;  // offset of the header in the bytes
  uint32_t payloadLength;
  ImageForm form;

  std::size_t PayloadStart() const { return start + kImageHeaderSize; }
  std::size_t Size() const { return std::size_t(payloadLength) + kImageHeaderSize + kImageTrailerSize; }
};

// The cheap test: the bytes end with the trailer tag.
bool EndsWithImageTag(std::string_view bytes);
// Header, payload and trailer size of the image whose last 8 bytes these are;
// a bad tag or form byte is a bad format.
uint64_t ImageSizeFromTrailer(std::string_view trailer);
// Nothing when the bytes do not end with a well-formed image.
std::optional<ImageLocation> FindImage(std::string_view bytes);
ImageLocation LocateImage(std::string_view bytes);

// Record bodies are scrambled as one chain: each record's key comes from the
// previous record's last plain byte, its class id and its number.
uint8_t FirstChainKey(int32_t recordCount, ImageForm form);
// The key for record number (1-based) with that class id.
uint8_t RecordChainKey(uint8_t key, int32_t classId, int32_t number);
// Descrambles a body in place; returns the key for the next record.
uint8_t DescrambleRecord(uint8_t* body, std::size_t size, uint8_t key, ImageForm form);

// Loading compiled images: from a file (the image at its end, whatever
// precedes it), from a text holding one byte per character, or from bytes.
// Every malformed image raises "Bad file format!".

// The root node with one reference for the caller. With fromMemory the
// source is the image itself, each character one byte.
CBase* LoadCompiledFile(TextView source, bool fromMemory);
CBase* LoadCompiledImage(std::string bytes);

}  // namespace runtime
