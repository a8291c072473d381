#include <gtest/gtest.h>

#include <string>

#include "runtime/image/base_streamers.h"
#include "runtime/image/container.h"
#include "image_fixture.h"

using namespace runtime;

namespace {

std::string SmallImage(ImageForm form = ImageForm::kOrdinary, uint8_t version = kImageVersionPlain) {
  ImageWriter writer(form, version);
  writer.Add(kListClassId, ListBody(true, {2}));
  writer.Add(kLeafClassId, RecordBody().RefCount(1));
  return writer.Build();
}

}  // namespace

using ImageContainer = ImageTest;

TEST_F(ImageContainer, FindsTheImageAtTheEndOfAnyBytes) {
  const std::string image = SmallImage();
  for (const std::string& prefix : {std::string(), std::string("MZ\x90\0\3", 5) + std::string(1000, '\xAA'),
                                    std::string("boq"), SmallImage()}) {
    const std::string file = prefix + image;
    const std::optional<ImageLocation> found = FindImage(file);
    ASSERT_TRUE(found) << prefix.size();
    EXPECT_EQ(found->start, prefix.size());
    EXPECT_EQ(found->Size(), image.size());
    EXPECT_TRUE(EndsWithImageTag(file));
    LoadedRoot root(file);
    ASSERT_NE(root.As<CList>(), nullptr);
    EXPECT_EQ(root.As<CList>()->Count(), 1);
  }
}

TEST_F(ImageContainer, ReadsBothFormsAndBothVersions) {
  for (ImageForm form : {ImageForm::kOrdinary, ImageForm::kSecond})
    for (uint8_t version : {kImageVersionPlain, kImageVersion29}) {
      const std::string image = SmallImage(form, version);
      EXPECT_EQ(FindImage(image)->form, form);
      EXPECT_EQ(LoadError(image), "");
    }
}

TEST_F(ImageContainer, RefusesDamagedHeadersAndTrailers) {
  const std::string image = SmallImage();
  const std::size_t end = image.size();
  struct Case {
    const char* what;
    std::size_t at;
    char byte;
  } cases[] = {
      {"tag", end - 1, 'Q'},          {"form byte", end - 4, 'A'},         {"form byte", end - 4, 0},
      {"length word", end - 8, 0x4C}, {"length word", end - 5, 0x3D},      {"magic", 0, 'Q'},
      {"magic", 2, 'c'},              {"version byte", 3, 1},              {"version byte", 3, 0x28},
      {"header length", 4, 0},        {"header length", 7, 1},
  };
  for (const auto& c : cases) {
    std::string damaged = image;
    damaged[c.at] = c.byte;
    EXPECT_FALSE(FindImage(damaged)) << c.what;
    EXPECT_EQ(LoadError(damaged), kBadFormat) << c.what;
  }
  for (std::size_t keep : {std::size_t(0), std::size_t(3), std::size_t(7), end - 8, end - 1}) {
    EXPECT_EQ(LoadError(image.substr(image.size() - keep)), kBadFormat) << keep;
    EXPECT_EQ(LoadError(image.substr(0, keep)), kBadFormat) << keep;
  }
}

TEST_F(ImageContainer, ALengthBeyondTheBytesIsRefused) {
  const std::string payload = ImageWriter().Payload();
  std::string image = WrapPayload(payload, ImageForm::kOrdinary, 0);
  for (uint32_t length : {uint32_t(payload.size() + 1), 0xFFFFFFFFu, 0xFFFFFFF0u}) {
    std::string damaged = image;
    for (int i = 0; i < 4; ++i) {
      damaged[4 + i] = static_cast<char>(length >> (8 * i));
      damaged[damaged.size() - 8 + i] = static_cast<char>((length ^ kOrdinaryLengthKey) >> (8 * i));
    }
    EXPECT_EQ(LoadError(damaged), kBadFormat) << length;
  }
}

TEST_F(ImageContainer, RecordCountMustCoverARoot) {
  EXPECT_EQ(LoadError(WrapPayload(CompactInt(0), ImageForm::kOrdinary, 0)), kBadFormat);
  EXPECT_EQ(LoadError(WrapPayload(CompactInt(-1), ImageForm::kOrdinary, 0)), kBadFormat);
  EXPECT_EQ(LoadError(WrapPayload(CompactInt(1000000), ImageForm::kOrdinary, 0)), kBadFormat);
  EXPECT_EQ(LoadError(WrapPayload(CompactInt(2) + CompactInt(0) + CompactInt(0), ImageForm::kOrdinary, 0)),
            kBadFormat)
      << "second record missing";
  EXPECT_EQ(LoadError(WrapPayload(CompactInt(1) + CompactInt(0) + CompactInt(5) + "ab", ImageForm::kOrdinary, 0)),
            kBadFormat)
      << "body beyond the payload";
}

TEST(ImageScrambling, DescramblesWhatTheWriterScrambled) {
  const std::string plain = "\x01\x02\x03 fields \xFF\x00 of a record";
  for (ImageForm form : {ImageForm::kOrdinary, ImageForm::kSecond}) {
    uint8_t writerKey = 0x5A;
    std::string body = ScrambleRecord(plain, writerKey, form);
    EXPECT_NE(body, plain);
    const uint8_t next = DescrambleRecord(reinterpret_cast<uint8_t*>(body.data()), body.size(), 0x5A, form);
    EXPECT_EQ(body, plain);
    EXPECT_EQ(next, writerKey);
    EXPECT_EQ(next, static_cast<uint8_t>(plain.back())) << "the last plain byte seeds the next record";
  }
  uint8_t unchanged = 0x33;
  EXPECT_EQ(DescrambleRecord(nullptr, 0, unchanged, ImageForm::kSecond), unchanged) << "an empty body keeps the key";
  EXPECT_EQ(FirstChainKey(300, ImageForm::kOrdinary), 300 % 256);
  EXPECT_EQ(FirstChainKey(255, ImageForm::kSecond), 0);
}

TEST(ImageScrambling, OneChangedByteChangesTheRestOfTheRecordAndTheNextKey) {
  const std::string plain = "abcdefghijklmnop";
  uint8_t key = 7;
  const std::string scrambled = ScrambleRecord(plain, key, ImageForm::kOrdinary);
  std::string damaged = scrambled;
  damaged[5] ^= 0x10;
  std::string original = scrambled;
  const uint8_t originalNext = DescrambleRecord(reinterpret_cast<uint8_t*>(original.data()), original.size(), 7,
                                                ImageForm::kOrdinary);
  const uint8_t damagedNext = DescrambleRecord(reinterpret_cast<uint8_t*>(damaged.data()), damaged.size(), 7,
                                               ImageForm::kOrdinary);
  EXPECT_EQ(damaged.substr(0, 5), original.substr(0, 5));
  for (std::size_t i = 5; i < plain.size(); ++i) EXPECT_NE(damaged[i], original[i]) << i;
  EXPECT_NE(damagedNext, originalNext);
}
