#include <algorithm>

#include "platform/dirs.h"
#include "platform/errors.h"
#include "platform/filesystem.h"
#include "support/temp_folder.h"

using namespace platform;

namespace {

TEST(MaskMatchesTest, FollowsWindowsWildcardRules) {
  struct Case {
    std::u16string_view name, mask;
    bool matches;
  } cases[] = {
      {u"a.txt", u"*.txt", true},       {u"A.TXT", u"*.txt", true},     {u"a.b.txt", u"*.txt", true},
      {u"a.txtx", u"*.txt", false},     {u"txt", u"*.txt", false},      {u"readme", u"*.*", true},
      {u".profile", u"*.*", true},      {u"a.b.c", u"*.*", true},       {u"readme", u"*", true},
      {u"readme", u"*.", true},         {u"a.txt", u"*.", false},       {u"ab.dat", u"a?.*", true},
      {u"a1.txt", u"a?.*", true},       {u"a.txt", u"a?.*", true},      {u"ab", u"a?.*", true},
      {u"abc.txt", u"a?.*", false},     {u"b1.txt", u"a?.*", false},    {u"abc", u"a?c", true},
      {u"a.c", u"a?c", false},          {u"ac", u"a?c", false},         {u"ab", u"a??", true},
      {u"abcd", u"a??", false},         {u"Makefile", u"MAKEFILE", true}, {u"make", u"makefile", false},
      {u"\u00e9t\u00e9", u"\u00c9T\u00c9", false}, {u"\u00e9t\u00e9", u"\u00e9*", true},
      {u"x.tar.gz", u"*.tar.*", true},  {u"x.tar", u"*.gz", false},     {u"abc", u"*b*", true},
  };
  for (const Case& c : cases)
    EXPECT_EQ(MaskMatches(c.name, c.mask), c.matches) << Utf8(c.name) << " ~ " << Utf8(c.mask);
}

TEST(MaskMatchesTest, LongNamesWithManyStarsStayFast) {
  const std::u16string name(250, u'a');
  EXPECT_FALSE(MaskMatches(name, u"*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*a*b"));
}

class ListFolderTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    WriteFile(u"a1.txt", "12345");
    WriteFile(u"ab.dat", "");
    WriteFile(u"b.TXT", "xy");
    WriteFile(u"readme", "r");
    ASSERT_TRUE(FolderCreate(Path(u"sub.d")));
  }

  std::vector<std::string> Listed(std::u16string_view mask) {
    std::vector<DirEntry> entries;
    EXPECT_TRUE(ListFolder(root_, mask, entries)) << Utf8(LastErrorText());
    std::vector<std::string> names;
    for (const DirEntry& entry : entries) names.push_back(Utf8(entry.name));
    std::sort(names.begin(), names.end());
    return names;
  }
};

using Names = std::vector<std::string>;

TEST_F(ListFolderTest, MasksSelectEntries) {
  EXPECT_EQ(Listed(u"*.txt"), (Names{"a1.txt", "b.TXT"}));
  EXPECT_EQ(Listed(u"a?.*"), (Names{"a1.txt", "ab.dat"}));
  EXPECT_EQ(Listed(u"*.*"), (Names{"a1.txt", "ab.dat", "b.TXT", "readme", "sub.d"}));
  EXPECT_EQ(Listed(u"*.none"), Names{});
}

TEST_F(ListFolderTest, EntriesCarryKindAndSize) {
  std::vector<DirEntry> entries;
  ASSERT_TRUE(ListFolder(root_ + u"\\", u"*", entries));
  ASSERT_EQ(entries.size(), 5u);
  for (const DirEntry& entry : entries) {
    const bool folder = entry.name == u"sub.d";
    EXPECT_EQ(entry.folder, folder) << Utf8(entry.name);
    if (entry.name == u"a1.txt") {
      EXPECT_EQ(entry.size, 5);
    }
    if (entry.name == u"b.TXT") {
      EXPECT_EQ(entry.size, 2);
    }
  }
}

TEST_F(ListFolderTest, MissingFolderFailsWithText) {
  for (const std::u16string& folder : {Path(u"missing"), Path(u"a1.txt")}) {
    std::vector<DirEntry> entries{{u"stale", false, 1}};
    EXPECT_FALSE(ListFolder(folder, u"*", entries)) << Utf8(folder);
    EXPECT_TRUE(entries.empty());
    EXPECT_FALSE(LastErrorText().empty());
  }
}

#ifndef _WIN32
// Native names need not be UTF-8; a listed name must still open its file.
TEST_F(ListFolderTest, NamesThatAreNotUtf8StillOpen) {
  const std::u16string escaped = u"bad\xDCFF.bin";  // the byte 0xFF
  WriteFile(escaped, "odd");
  std::vector<DirEntry> entries;
  ASSERT_TRUE(ListFolder(root_, u"bad*", entries));
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].name, escaped);
  EXPECT_EQ(ReadFile(entries[0].name), "odd");
}
#endif

}  // namespace
