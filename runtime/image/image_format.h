// Layout constants of compiled images: header, trailer and scrambling keys.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string_view>

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
