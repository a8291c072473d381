#include "support/image_damage.h"

#include <gtest/gtest.h>

#include "support/bad_format_message.h"

using namespace runtime;

namespace {

// Deterministic pseudo-random numbers (a linear congruential generator).
class Dice {
public:
  explicit Dice(uint64_t seed) : state_(seed) {}

  uint32_t Roll(uint32_t below) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(state_ >> 33) % below;
  }

private:
  uint64_t state_;
};

std::string BodyByte(std::size_t record, std::size_t at) {
  return "record " + std::to_string(record + 1) + " byte " + std::to_string(at);
}

}  // namespace

void ImageDamage::Check(const std::string& image, const std::string& variant) {
  SCOPED_TRACE(variant);
  const std::string error = load_(image);
  if (error.empty()) {
    ++loaded_;
    return;
  }
  ++refused_;
  EXPECT_EQ(error, kBadFormat);
}

void ImageDamage::FlipBytes(const std::string& image, std::initializer_list<uint8_t> masks) {
  for (std::size_t at = 0; at < image.size(); ++at)
    for (uint8_t mask : masks) {
      std::string flipped = image;
      flipped[at] = static_cast<char>(flipped[at] ^ mask);
      Check(flipped, "flip at " + std::to_string(at));
    }
}

void ImageDamage::CutEnds(const std::string& image) {
  for (std::size_t at = 0; at < image.size(); ++at) {
    Check(image.substr(0, at), "prefix " + std::to_string(at));
    Check(image.substr(at + 1), "suffix from " + std::to_string(at + 1));
  }
}

void ImageDamage::CutPayload(const ImageWriter& seed) {
  const std::string payload = seed.Payload();
  for (std::size_t length = 0; length < payload.size(); ++length)
    Check(WrapPayload(payload.substr(0, length), ImageForm::kOrdinary, kImageVersionPlain),
          "payload cut at " + std::to_string(length));
}

void ImageDamage::DamageBodies(const ImageWriter& seed, std::initializer_list<uint8_t> replacements) {
  for (std::size_t r = 0; r < seed.Records().size(); ++r) {
    const std::string& body = seed.Records()[r].body;
    for (std::size_t at = 0; at <= body.size(); ++at) {
      const std::string where = BodyByte(r, at);
      CheckBody(seed, r, body.substr(0, at), where + " cut");
      if (at == body.size()) continue;
      for (uint8_t value : replacements) {
        std::string replaced = body;
        replaced[at] = static_cast<char>(value);
        CheckBody(seed, r, replaced, where + " replaced");
      }
      CheckBody(seed, r, body.substr(0, at) + body.substr(at + 1), where + " deleted");
    }
  }
}

void ImageDamage::DoubleBodyBytes(const ImageWriter& seed) {
  for (std::size_t r = 0; r < seed.Records().size(); ++r) {
    const std::string& body = seed.Records()[r].body;
    for (std::size_t at = 0; at < body.size(); ++at)
      CheckBody(seed, r, body.substr(0, at + 1) + body.substr(at), BodyByte(r, at) + " doubled");
  }
}

void ImageDamage::ChangeClasses(const ImageWriter& seed, const std::vector<int32_t>& classIds) {
  for (std::size_t r = 0; r < seed.Records().size(); ++r)
    for (int32_t id : classIds) {
      ImageWriter copy = seed;
      copy.Records()[r].classId = id;
      Check(copy.Build(), "record " + std::to_string(r + 1) + " as class " + std::to_string(id));
    }
}

void ImageDamage::DamageAtRandom(const std::vector<ImageWriter>& seeds, int rounds, uint64_t diceSeed) {
  Dice dice(diceSeed);
  for (int round = 0; round < rounds; ++round) {
    ImageWriter image = seeds[round % seeds.size()];
    for (uint32_t hits = 1 + dice.Roll(4); hits > 0; --hits) {
      std::string& body = image.Records()[dice.Roll(static_cast<uint32_t>(image.Records().size()))].body;
      if (body.empty()) continue;
      body[dice.Roll(static_cast<uint32_t>(body.size()))] = static_cast<char>(dice.Roll(256));
    }
    Check(image.Build(), "round " + std::to_string(round));
  }
}

void ImageDamage::CheckBody(const ImageWriter& seed, std::size_t record, std::string body,
                            const std::string& variant) {
  ImageWriter copy = seed;
  copy.Records()[record].body = std::move(body);
  Check(copy.Build(), variant);
}
