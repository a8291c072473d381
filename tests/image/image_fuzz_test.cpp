// Damaged variants of valid images, made deterministically: each must load
// (and then free completely) or be refused with the bad-format error; any
// other outcome, a crash or a sanitizer report is a fault.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "image/base_streamers.h"
#include "image_fixture.h"

namespace {

// Every record kind, value kind and reference kind the loader knows.
ImageWriter RichImage() {
  ImageWriter writer;
  writer.Add(kListClassId, ListBody(true, {2, 3, 5, 8, 9}).RefCount(1));
  writer.Add(kProbeClassId, RecordBody()
                                .Field(kProbeClassId, kProbeName).Text("main")
                                .Field(kProbeClassId, kProbeChild).Ref(4)
                                .Field(kProbeClassId, kProbeValue).ObjectValue(varCountedObject, 5)
                                .Field(kProbeClassId, kProbeNumber).Int(-70000));
  writer.Add(kTrieClassId, TrieBody({{SymbolKey(u"alpha"), 5}, {SymbolKey(u"b\u00E9ta"), 6}}));
  writer.Add(kProbeClassId, RecordBody()
                                .Field(kProbeClassId, kProbeOwner).Ref(2)
                                .Field(kProbeClassId, kProbeValue).TextValue("h\xC3\xA9llo")
                                .Field(kProbeClassId, kProbeChild).Ref(7));
  writer.Add(kLeafClassId, RecordBody().RefCount(3));
  writer.Add(kLeafClassId, RecordBody());
  writer.Add(kNamedListClassId, NamedListBody(10, {{SymbolKey(u"a"), 1}, {SymbolKey(u"b"), 2}}));
  writer.Add(kVarLevelsClassId, VarLevelsBody(0, 11, 1));
  writer.Add(kListClassId, ListBody(false, {5, 6}));
  writer.Add(kListClassId, ListBody(true, {5, 6, 0}));
  writer.Add(kListClassId, ListBody(false, {}));
  return writer;
}

// The second form, a list subclass and raw number values.
ImageWriter SecondFormImage() {
  ImageWriter writer(ImageForm::kSecond, kImageVersion29);
  writer.Add(kListClassId, ListBody(true, {2, 5}));
  writer.Add(kProbeClassId, RecordBody()
                                .Field(kProbeClassId, kProbeChild).Ref(3)
                                .Field(kProbeClassId, kProbeValue).DoubleValue(1.5)
                                .Field(kProbeClassId, kProbeNumber).Int(5));
  writer.Add(kLeafListClassId, NamedListBody(4, {{SymbolKey(u"x"), 1}}));
  writer.Add(kListClassId, ListBody(true, {6}));
  writer.Add(kProbeClassId, RecordBody()
                                .Field(kProbeClassId, kProbeOwner).Ref(2)
                                .Field(kProbeClassId, kProbeValue).RawValue(varInt64, 0x8000000000000001ull)
                                .Field(kProbeClassId, kProbeName).Text(""));
  writer.Add(kLeafClassId, RecordBody());
  return writer;
}

class Outcomes {
public:
  void Check(const std::string& image, const std::string& variant) {
    const std::string error = LoadError(image);
    if (error.empty()) {
      ++loaded_;
    } else {
      ++refused_;
      EXPECT_EQ(error, kBadFormat) << variant;
    }
  }
  int Total() const { return loaded_ + refused_; }
  int Refused() const { return refused_; }

private:
  int loaded_ = 0;
  int refused_ = 0;
};

// Deterministic pseudo-random numbers (a linear congruential generator).
class Dice {
public:
  uint32_t Roll(uint32_t below) {
    state_ = state_ * 6364136223846793005ull + 1442695040888963407ull;
    return static_cast<uint32_t>(state_ >> 33) % below;
  }

private:
  uint64_t state_ = 0x9E3779B97F4A7C15ull;
};

void EachPlainMutation(const ImageWriter& seed, const std::function<void(ImageWriter&, const std::string&)>& check) {
  const uint8_t replacements[] = {0x1D, 0x1C, 0x00, 0x7F, 0x80, 0xB0, 0xFF};
  for (std::size_t r = 0; r < seed.Records().size(); ++r) {
    const std::string& body = seed.Records()[r].body;
    for (std::size_t at = 0; at <= body.size(); ++at) {
      const std::string where = "record " + std::to_string(r + 1) + " byte " + std::to_string(at);
      auto variant = [&](std::string mutated, const char* how) {
        ImageWriter copy = seed;
        copy.Records()[r].body = std::move(mutated);
        check(copy, where + " " + how);
      };
      variant(body.substr(0, at), "cut");
      if (at == body.size()) continue;
      for (uint8_t value : replacements) {
        std::string replaced = body;
        replaced[at] = static_cast<char>(value);
        variant(replaced, "replaced");
      }
      variant(body.substr(0, at) + body.substr(at + 1), "deleted");
      variant(body.substr(0, at + 1) + body.substr(at), "doubled");
    }
  }
}

}  // namespace

using ImageFuzz = ImageTest;

TEST_F(ImageFuzz, SeedsLoad) {
  for (const ImageWriter& seed : {RichImage(), SecondFormImage()}) EXPECT_EQ(LoadError(seed.Build()), "");
}

TEST_F(ImageFuzz, FlippedAndCutImageBytes) {
  Outcomes outcomes;
  for (const ImageWriter& seed : {RichImage(), SecondFormImage()}) {
    const std::string image = seed.Build();
    for (std::size_t at = 0; at < image.size(); ++at) {
      for (uint8_t mask : {0x01, 0x10, 0x80, 0xFF}) {
        std::string flipped = image;
        flipped[at] = static_cast<char>(flipped[at] ^ mask);
        outcomes.Check(flipped, "flip at " + std::to_string(at));
      }
      outcomes.Check(image.substr(0, at), "prefix " + std::to_string(at));
      outcomes.Check(image.substr(at + 1), "suffix from " + std::to_string(at + 1));
    }
    const std::string payload = seed.Payload();
    for (std::size_t length = 0; length < payload.size(); ++length)
      outcomes.Check(WrapPayload(payload.substr(0, length), ImageForm::kOrdinary, 0),
                     "payload cut at " + std::to_string(length));
  }
  EXPECT_GT(outcomes.Refused(), outcomes.Total() / 2);
}

TEST_F(ImageFuzz, DamagedRecordBodies) {
  Outcomes outcomes;
  for (const ImageWriter& seed : {RichImage(), SecondFormImage()})
    EachPlainMutation(seed, [&](ImageWriter& image, const std::string& variant) {
      outcomes.Check(image.Build(), variant);
    });
  EXPECT_GT(outcomes.Refused(), 0);
}

TEST_F(ImageFuzz, RecordsOfTheWrongClass) {
  const int32_t ids[] = {kBaseClassId, kListClassId, kTrieClassId, kNamedListClassId, kVarLevelsClassId,
                         kProbeClassId, kLeafClassId, kLeafListClassId};
  Outcomes outcomes;
  for (const ImageWriter& seed : {RichImage(), SecondFormImage()})
    for (std::size_t r = 0; r < seed.Records().size(); ++r)
      for (int32_t id : ids) {
        ImageWriter copy = seed;
        copy.Records()[r].classId = id;
        outcomes.Check(copy.Build(), "record " + std::to_string(r + 1) + " as class " + std::to_string(id));
      }
  EXPECT_GT(outcomes.Refused(), 0);
}

TEST_F(ImageFuzz, RandomDamageInSeveralPlaces) {
  Dice dice;
  Outcomes outcomes;
  for (int round = 0; round < 1500; ++round) {
    ImageWriter image = round % 2 ? RichImage() : SecondFormImage();
    for (uint32_t hits = 1 + dice.Roll(4); hits > 0; --hits) {
      std::string& body = image.Records()[dice.Roll(static_cast<uint32_t>(image.Records().size()))].body;
      if (body.empty()) continue;
      body[dice.Roll(static_cast<uint32_t>(body.size()))] = static_cast<char>(dice.Roll(256));
    }
    outcomes.Check(image.Build(), "round " + std::to_string(round));
  }
  EXPECT_GT(outcomes.Refused(), 0);
}
