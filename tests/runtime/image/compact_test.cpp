#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "runtime/error.h"
#include "runtime/image/streamer.h"
#include "support/image_writer.h"
#include "runtime/sys/sys_util.h"

using namespace runtime;

namespace {

ByteCursor Cursor(const std::string& bytes) {
  return ByteCursor(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

bool Refused(const std::string& bytes, int32_t (*read)(ByteCursor&)) {
  ByteCursor in = Cursor(bytes);
  try {
    read(in);
    return false;
  } catch (const EScriptError& e) {
    return std::string(e.what()) == "Bad file format!";
  }
}

}  // namespace

TEST(CompactInt, DecodesBothForms) {
  struct Case {
    std::string bytes;
    int32_t value;
  } cases[] = {
      {"\x1D", 0},
      {"\x62", 127},
      {"\x1C", 1},
      {std::string(1, '\0'), 0x1D},
      {"\x81\x05", 10},
      {"\xC0\x07", -7},
      {std::string("\xB3\x01\x00\x00\x00", 5), 8},
      {"\x8F\xFF", 255 << 15},
      {"\xA0\x34\x12\x56", 0x561234},
      {"\xB0\xFF\xFF\xFF\x7F", INT32_MAX},
      {std::string("\xF0\x00\x00\x00\x80", 5), INT32_MIN},
      {"\xCF\x01", -32768},
  };
  for (const auto& c : cases) {
    ByteCursor in = Cursor(c.bytes);
    EXPECT_EQ(ReadCompactInt(in), c.value) << testing::PrintToString(c.bytes);
    EXPECT_TRUE(in.AtEnd());
  }
}

TEST(CompactInt, RefusesValuesBeyond32BitsAndTruncations) {
  const std::string refused[] = {
      std::string("\xB0\x00\x00\x00\x80", 5),  // 2^31
      std::string("\xF0\x01\x00\x00\x80", 5),  // -(2^31 + 1)
      "\xBF\xFF\xFF\xFF\xFF",                  // (2^32 - 1) * 2^15
      "",
      "\x81",
      std::string("\xB3\x01\x00", 3),
      "\xA0\x01",
  };
  for (const std::string& bytes : refused) EXPECT_TRUE(Refused(bytes, ReadCompactInt)) << testing::PrintToString(bytes);
}

TEST(CompactInt, WriterRoundTripsInShortestForm) {
  std::vector<int64_t> values = {0, 1, 127, 128, 255, 256, -1, -128, 1000000, INT32_MAX, INT32_MIN, INT32_MIN + 1};
  for (int bit = 0; bit < 31; ++bit) {
    values.push_back(int64_t(1) << bit);
    values.push_back((int64_t(1) << bit) + 1);
    values.push_back(-(int64_t(1) << bit) - 1);
  }
  for (int64_t value : values) {
    const std::string bytes = CompactInt(value);
    ByteCursor in = Cursor(bytes);
    EXPECT_EQ(ReadCompactInt(in), value);
    EXPECT_TRUE(in.AtEnd());
    EXPECT_LE(bytes.size(), value >= 0 && value < 128 ? 1u : 5u);
  }
}

TEST(CompactText, DecodesUtf8AndRefusesBadLengths) {
  const std::string text = CompactText("Gr\xC3\xBC\xC3\x9F" "e");
  ByteCursor in = Cursor(text);
  EXPECT_EQ(ReadCompactText(in), TextFromUtf16(u"Grüße"));
  EXPECT_TRUE(in.AtEnd());

  const std::string noText = CompactText("");
  ByteCursor empty = Cursor(noText);
  EXPECT_EQ(ReadCompactText(empty), Text());

  auto readBytes = [](ByteCursor& c) { return int32_t(ReadCompactBytes(c).size()); };
  EXPECT_TRUE(Refused(CompactInt(6) + "abc", readBytes)) << "length beyond the end";
  EXPECT_TRUE(Refused(CompactInt(-1), readBytes)) << "negative length";
  EXPECT_TRUE(Refused(CompactInt(INT32_MAX), readBytes));
}
