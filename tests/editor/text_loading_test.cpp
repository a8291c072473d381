#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "editor/text_buffer.h"
#include "editor/text_file_loader.h"
#include "platform/codepage.h"

using namespace editor;
using toolkit::MemoryStream;
using toolkit::String;

namespace {

struct Loaded {
  std::vector<String> lines;
  LineBreakKind kind;
  friend bool operator==(const Loaded&, const Loaded&) = default;
};

Loaded LinesOf(const TCodeEditStringList& list) {
  Loaded loaded{{}, list.LineBreakKind()};
  for (int i = 0; i < list.Count(); ++i) loaded.lines.emplace_back(list.LineView(i));
  return loaded;
}

// What decoding the whole text and then cutting it gives.
Loaded DecodedThenCut(const std::string& bytes) {
  String text;
  EXPECT_TRUE(platform::DecodeCodePage(platform::kCodePageUtf8, bytes, text));
  TCodeEditStringList list;
  list.SetText(text);
  return LinesOf(list);
}

Loaded CutWhileDecoding(const std::string& bytes) {
  TCodeEditStringList list;
  list.Add(u"an old line");
  list.SetUtf8Text(bytes);
  return LinesOf(list);
}

MemoryStream StreamOf(const std::string& bytes) {
  MemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  stream.SetPosition(0);
  return stream;
}

const std::string kLong(40, 'x');

TEST(Utf8Loading, CutsAndDecodesAsDecodingTheWholeTextWould) {
  const std::string cases[] = {
      "",
      "a",
      "\n",
      "\r\n\r\n",
      "one\ntwo\n",
      "one\r\ntwo\r\nthree",
      "lf then cr\n\rnext",
      "cr\rcr\r",
      "sep\xE2\x80\xA8next",
      "sep cr lf\xE2\x80\xA8\r\nnext",
      "sep at end\xE2\x80\xA8",
      "other E2 characters \xE2\x82\xAC and \xE2\x80\x94 stay",
      "E2 cut by the end \xE2\x80",
      "E2 cut by a break \xE2\x80\nnext",
      "E2 before a separator \xE2\xE2\x80\xA8x",
      "bad lead \xFF and stray \x80 bytes\n\xC3",
      "caf\xC3\xA9\r\n\xF0\x9F\x98\x80 four bytes",
      kLong + "\n" + kLong + "\r\n" + kLong + "\xC3\xA9" + kLong + "\xE2\x80\xA8" + kLong,
      kLong + "\xE2" + kLong + "\xE2\x80\xA8",
  };
  for (const std::string& bytes : cases) EXPECT_EQ(CutWhileDecoding(bytes), DecodedThenCut(bytes)) << bytes;
}

TEST(Utf8Loading, RandomTextsOfBreaksAndSequences) {
  const std::string pieces[] = {"a", "bc", "\r", "\n", "\xE2", "\x80", "\xA8", "\xC3", "\xA9", "\xF0\x9F", "\xFF",
                                kLong.substr(0, 15)};
  std::mt19937 random(28);
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    const int count = static_cast<int>(random() % 40);
    for (int i = 0; i < count; ++i) bytes += pieces[random() % std::size(pieces)];
    ASSERT_EQ(CutWhileDecoding(bytes), DecodedThenCut(bytes)) << "round " << round;
  }
}

TEST(Utf8Loading, TheTextCostsItsCharactersInThePool) {
  TCodeEditStringList list;
  list.SetUtf8Text("ab\r\ncd\xC3\xA9\n\n");
  ASSERT_EQ(list.Count(), 4);
  EXPECT_EQ(list.Get(1), u"cd\u00E9");
  // Lines sit one after another: the breaks were never stored.
  EXPECT_EQ(list.LineView(1).data(), list.LineView(0).data() + 2);
}

struct StreamCase {
  const char* name;
  std::string bytes;
  TTextEncoding encoding;
  bool hasBom;
  std::vector<String> lines;
};

TEST(TextFileLoading, EveryEncodingReachesTheLines) {
  const StreamCase cases[] = {
      {"empty", "", TTextEncoding::teAnsi, false, {}},
      {"ASCII", "one\ntwo", TTextEncoding::teAnsi, false, {u"one", u"two"}},
      {"UTF-8", "caf\xC3\xA9\r\nx", TTextEncoding::teUtf8, false, {u"caf\u00E9", u"x"}},
      {"UTF-8 mark", "\xEF\xBB\xBFhi\n", TTextEncoding::teUtf8, true, {u"hi", u""}},
      {"UTF-16LE", std::string("\xFF\xFEh\0\n\0i\0", 8), TTextEncoding::teUtf16LE, true, {u"h", u"i"}},
      {"UTF-16BE", std::string("\xFE\xFF\0h\0\r\0i", 8), TTextEncoding::teUtf16BE, true, {u"h", u"i"}},
  };
  for (const StreamCase& c : cases) {
    MemoryStream stream = StreamOf(c.bytes);
    TCodeEditStringList list;
    TTextEncoding encoding = TTextEncoding::teUtf8;
    bool hasBom = !c.hasBom;
    LoadTextFromStream(list, stream, encoding, hasBom);
    EXPECT_EQ(encoding, c.encoding) << c.name;
    EXPECT_EQ(hasBom, c.hasBom) << c.name;
    EXPECT_EQ(LinesOf(list).lines, c.lines) << c.name;
  }
}

TEST(TextFileLoading, AMissingFileLeavesTheLinesAlone) {
  TCodeEditStringList list;
  list.Add(u"kept");
  TTextEncoding encoding = TTextEncoding::teUtf8;
  bool hasBom = false;
  EXPECT_THROW(LoadTextFromFile(list, u"/no/such/folder/missing.qel", encoding, hasBom), toolkit::FileStreamError);
  ASSERT_EQ(list.Count(), 1);
  EXPECT_EQ(list.Get(0), u"kept");
}

}  // namespace
