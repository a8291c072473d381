#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "editor/text_encoding.h"
#include "toolkit/core/exceptions.h"

using namespace editor;
using toolkit::MemoryStream;
using toolkit::String;

namespace {

MemoryStream StreamOf(const std::string& bytes) {
  MemoryStream stream;
  stream.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  stream.SetPosition(0);
  return stream;
}

std::string BytesOf(MemoryStream& stream) {
  return std::string(reinterpret_cast<const char*>(stream.Memory()), static_cast<std::size_t>(stream.Size()));
}

struct DetectionCase {
  const char* name;
  std::string bytes;
  TTextEncoding encoding;
  bool hasBom;
};

const std::string kAscii16k(16384, 'a');

const DetectionCase kDetections[] = {
    {"empty", "", TTextEncoding::teAnsi, false},
    {"one byte", "a", TTextEncoding::teAnsi, false},
    {"one high byte", "\xE9", TTextEncoding::teAnsi, false},
    {"ASCII", "abc", TTextEncoding::teAnsi, false},
    {"UTF-8 without mark", "\xC3\xA9", TTextEncoding::teUtf8, false},
    {"UTF-8 mark alone", "\xEF\xBB\xBF", TTextEncoding::teUtf8, true},
    {"UTF-8 mark and text", "\xEF\xBB\xBFhi", TTextEncoding::teUtf8, true},
    {"four-byte sequence", "x\xF0\x9F\x98\x80y", TTextEncoding::teUtf8, false},
    {"UTF-16LE mark", std::string("\xFF\xFEh\0i\0", 6), TTextEncoding::teUtf16LE, true},
    {"UTF-16BE mark", std::string("\xFE\xFF\0h\0i", 6), TTextEncoding::teUtf16BE, true},
    {"UTF-16LE without mark", std::string("h\0i\0", 4), TTextEncoding::teAnsi, false},
    {"extra continuation", "\xC3\xA9\xA9", TTextEncoding::teAnsi, false},
    {"overlong", "\xE0\x80\x80", TTextEncoding::teAnsi, false},
    {"surrogate", "\xED\xA0\x80", TTextEncoding::teAnsi, false},
    {"beyond U+10FFFF", "\xF4\x90\x80\x80", TTextEncoding::teAnsi, false},
    {"C0 lead", "\xC0\xAF", TTextEncoding::teAnsi, false},
    {"F5 lead", "\xF5\x80\x80\x80", TTextEncoding::teAnsi, false},
    {"lead then ASCII", "\xC3" "a", TTextEncoding::teAnsi, false},
    // The whole sample is judged, not only up to the first sequence.
    {"valid then Latin-1", "\xC3\xA9 caf\xE9!", TTextEncoding::teAnsi, false},
    {"valid then stray continuation", "\xC3\xA9\x80", TTextEncoding::teAnsi, false},
    // A sequence cut off by the sample's end is not held against the text.
    {"cut at the sample's end", kAscii16k.substr(0, 16380) + "\xC3\xA9\xE2\x82\xAC", TTextEncoding::teUtf8, false},
    {"cut sequence alone", kAscii16k.substr(0, 16383) + "\xE2\x82\xAC", TTextEncoding::teAnsi, false},
    {"sequence past the sample", kAscii16k + "\xC3\xA9", TTextEncoding::teAnsi, false},
    {"file ending in a cut sequence", "\xC3\xA9\xE2\x82", TTextEncoding::teUtf8, false},
};

TEST(EncodingDetection, FixtureTable) {
  for (const DetectionCase& c : kDetections) {
    SCOPED_TRACE(c.name);
    MemoryStream stream = StreamOf(c.bytes);
    bool hasBom = !c.hasBom;
    EXPECT_EQ(DetectStreamEncoding(stream, hasBom), c.encoding);
    EXPECT_EQ(hasBom, c.hasBom);
    EXPECT_EQ(stream.Position(), 0);
  }
}

TEST(EncodingDetection, StartsAtTheStreamsPositionAndPutsItBack) {
  MemoryStream stream = StreamOf("abc\xFF\xFE" "d");
  stream.SetPosition(3);
  bool hasBom = false;
  EXPECT_EQ(DetectStreamEncoding(stream, hasBom), TTextEncoding::teUtf16LE);
  EXPECT_TRUE(hasBom);
  EXPECT_EQ(stream.Position(), 3);
  stream.SetPosition(5);
  EXPECT_EQ(DetectStreamEncoding(stream, hasBom), TTextEncoding::teAnsi);
  EXPECT_FALSE(hasBom);
  EXPECT_EQ(stream.Position(), 5);
}

struct SaveCase {
  const char* name;
  const char16_t* text;
  TTextEncoding encoding;
  bool withBom;
  std::string bytes;
};

const SaveCase kSaves[] = {
    {"UTF-16BE with mark", u"A", TTextEncoding::teUtf16BE, true, std::string("\xFE\xFF\0A", 4)},
    {"UTF-16BE", u"A\u20AC", TTextEncoding::teUtf16BE, false, std::string("\0A\x20\xAC", 4)},
    {"UTF-16LE with mark", u"A\u20AC", TTextEncoding::teUtf16LE, true, std::string("\xFF\xFE" "A\0\xAC\x20", 6)},
    {"UTF-8 with mark", u"\u00E9", TTextEncoding::teUtf8, true, "\xEF\xBB\xBF\xC3\xA9"},
    {"UTF-8", u"a\U0001F600", TTextEncoding::teUtf8, false, "a\xF0\x9F\x98\x80"},
    {"UTF-8 lone surrogate", u"a\xD800z", TTextEncoding::teUtf8, false, "a\xEF\xBF\xBDz"},
    {"ANSI never has a mark", u"abc", TTextEncoding::teAnsi, true, "abc"},
    {"empty", u"", TTextEncoding::teUtf8, false, ""},
    {"empty with mark", u"", TTextEncoding::teUtf16LE, true, "\xFF\xFE"},
};

TEST(EncodingSave, BytesWrittenTable) {
  for (const SaveCase& c : kSaves) {
    SCOPED_TRACE(c.name);
    MemoryStream stream;
    WriteTextToStream(c.text, stream, c.encoding, c.withBom);
    EXPECT_EQ(BytesOf(stream), c.bytes);
  }
}

TEST(EncodingLoad, ReadsBackWhatWasSavedInEveryEncoding) {
  const String text = u"line \u00E9\u20AC\U0001F600\r\nnext\n";
  for (const TTextEncoding encoding :
       {TTextEncoding::teUtf8, TTextEncoding::teUtf16LE, TTextEncoding::teUtf16BE, TTextEncoding::teAnsi}) {
    for (const bool withBom : {false, true}) {
      SCOPED_TRACE(testing::Message() << static_cast<int>(encoding) << " mark " << withBom);
      const String sample = encoding == TTextEncoding::teAnsi ? u"plain\r\ntext" : text;
      MemoryStream stream;
      WriteTextToStream(sample, stream, encoding, withBom);
      stream.SetPosition(0);
      EXPECT_EQ(ReadTextFromStream(stream, encoding), sample);
    }
  }
}

TEST(EncodingLoad, BadBytesBecomeReplacementCharacters) {
  MemoryStream utf8 = StreamOf("a\xFF" "b\xC3");
  EXPECT_EQ(ReadTextFromStream(utf8, TTextEncoding::teUtf8), u"a\uFFFDb\uFFFD");
  MemoryStream odd = StreamOf(std::string("\xFF\xFE" "a\0b", 5));
  EXPECT_EQ(ReadTextFromStream(odd, TTextEncoding::teUtf16LE), u"a\uFFFD");
  // Only the mark of the encoding read is skipped.
  MemoryStream other = StreamOf("\xEF\xBB\xBFx");
  EXPECT_EQ(ReadTextFromStream(other, TTextEncoding::teUtf16BE), u"\uEFBB\uBF78");
}

class EncodingFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("qel_editor_" + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  String PathOf(const char* name) const { return (folder / name).u16string(); }
  std::string Contents(const char* name) const {
    std::ifstream in(folder / name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  void Put(const char* name, const std::string& bytes) const {
    std::ofstream(folder / name, std::ios::binary) << bytes;
  }

  std::filesystem::path folder;
};

TEST_F(EncodingFiles, AFileKeepsItsBytesThroughLoadAndSave) {
  const std::string original = "caf\xC3\xA9\r\nna\xC3\xAFve\n";
  Put("doc.qel", original);
  TTextEncoding encoding = TTextEncoding::teAnsi;
  bool hasBom = true;
  const String text = ReadTextFromFile(PathOf("doc.qel"), encoding, hasBom);
  EXPECT_EQ(encoding, TTextEncoding::teUtf8);
  EXPECT_FALSE(hasBom);
  EXPECT_EQ(text, u"caf\u00E9\r\nna\u00EFve\n");
  WriteTextToFile(text, PathOf("doc.qel"), encoding, hasBom);
  EXPECT_EQ(Contents("doc.qel"), original);

  Put("wide.txt", std::string("\xFE\xFF\0h\0i", 6));
  EXPECT_EQ(DetectFileEncoding(PathOf("wide.txt"), hasBom), TTextEncoding::teUtf16BE);
  EXPECT_TRUE(hasBom);
  EXPECT_EQ(ReadTextFromFile(PathOf("wide.txt"), encoding, hasBom), u"hi");
}

TEST_F(EncodingFiles, SavingReplacesALongerFile) {
  Put("doc.txt", std::string(100, 'x'));
  WriteTextToFile(u"A", PathOf("doc.txt"), TTextEncoding::teUtf16BE, true);
  EXPECT_EQ(Contents("doc.txt"), std::string("\xFE\xFF\0A", 4));
}

TEST_F(EncodingFiles, AMissingFileIsTheStreamsError) {
  bool hasBom = false;
  EXPECT_THROW(DetectFileEncoding(PathOf("missing.qel"), hasBom), toolkit::FileStreamError);
  TTextEncoding encoding = TTextEncoding::teAnsi;
  EXPECT_THROW(ReadTextFromFile(PathOf("missing.qel"), encoding, hasBom), toolkit::FileStreamError);
  EXPECT_THROW(WriteTextToFile(u"x", PathOf("no/such/folder/x.qel"), TTextEncoding::teUtf8, false),
               toolkit::FileStreamError);
}

#ifndef _WIN32
// Natively the system code page can be chosen for the process.
class SystemCodePage : public EncodingFiles {
 protected:
  void TearDown() override {
    ::unsetenv("QEL_CODEPAGE");
    EncodingFiles::TearDown();
  }
};

TEST_F(SystemCodePage, AnsiTextGoesThroughTheSystemCodePage) {
  ::setenv("QEL_CODEPAGE", "1252", 1);
  MemoryStream stream;
  WriteTextToStream(u"caf\u00E9 \u4E2D", stream, TTextEncoding::teAnsi, true);
  EXPECT_EQ(BytesOf(stream), "caf\xE9 ?");
  stream.SetPosition(0);
  EXPECT_EQ(ReadTextFromStream(stream, TTextEncoding::teAnsi), u"caf\u00E9 ?");
}

TEST_F(SystemCodePage, AFailedConversionLeavesTheFileAlone) {
  Put("keep.txt", "old text");
  ::setenv("QEL_CODEPAGE", "99999", 1);
  EXPECT_THROW(WriteTextToFile(u"new", PathOf("keep.txt"), TTextEncoding::teAnsi, false), toolkit::ConvertError);
  EXPECT_EQ(Contents("keep.txt"), "old text");
  bool hasBom = false;
  TTextEncoding encoding = TTextEncoding::teUtf8;
  EXPECT_THROW(ReadTextFromFile(PathOf("keep.txt"), encoding, hasBom), toolkit::ConvertError);
}
#endif

}  // namespace
