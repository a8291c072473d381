// Damaged variants of valid images, made deterministically, for the loaders'
// fuzz tests: each variant must load or be refused with the bad-format
// error; any other outcome, a crash or a sanitizer report is a fault.
#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

#include "support/image_writer.h"

using namespace runtime;

class ImageDamage {
public:
  // Loads an image and frees all it made: "" when it loaded, else the
  // message it was refused with.
  using Loader = std::function<std::string(const std::string& image)>;

  explicit ImageDamage(Loader load) : load_(std::move(load)) {}

  // One variant, named in the failure messages.
  void Check(const std::string& image, const std::string& variant);

  // Each byte of the image flipped by each mask.
  void FlipBytes(const std::string& image, std::initializer_list<uint8_t> masks);
  // Every shorter prefix and suffix of the image.
  void CutEnds(const std::string& image);
  // The seed's payload cut at every shorter length, in an ordinary container.
  void CutPayload(const ImageWriter& seed);
  // Every record body cut at each byte, and each byte replaced by each value
  // and deleted.
  void DamageBodies(const ImageWriter& seed, std::initializer_list<uint8_t> replacements);
  // Each byte of every record body doubled.
  void DoubleBodyBytes(const ImageWriter& seed);
  // Each record given each class id.
  void ChangeClasses(const ImageWriter& seed, const std::vector<int32_t>& classIds);
  // Rounds that set one to four random bytes of the record bodies; round r
  // damages seeds[r % seeds.size()]. The dice seed fixes the sequence.
  void DamageAtRandom(const std::vector<ImageWriter>& seeds, int rounds, uint64_t diceSeed);

  int Loaded() const { return loaded_; }
  int Refused() const { return refused_; }
  int Total() const { return loaded_ + refused_; }

private:
  // The seed with one record body replaced.
  void CheckBody(const ImageWriter& seed, std::size_t record, std::string body, const std::string& variant);

  Loader load_;
  int loaded_ = 0;
  int refused_ = 0;
};
