#include "platform/errors.h"
#include "platform/files.h"
#include "platform/filesystem.h"
#include "platform/paths.h"
#include "support/temp_folder.h"

using namespace platform;

namespace {

#ifdef _WIN32
constexpr char16_t kSeparator = u'\\';
#else
constexpr char16_t kSeparator = u'/';
#endif

class PathsTest : public TempFolderTest {
 protected:
  void SetUp() override {
    TempFolderTest::SetUp();
    saved_ = CurrentFolder();
    ASSERT_FALSE(saved_.empty());
  }
  void TearDown() override {
    EXPECT_TRUE(SetCurrentFolder(saved_));
    TempFolderTest::TearDown();
  }

  std::u16string saved_;
};

std::u16string Parent(const std::u16string& path) { return path.substr(0, path.find_last_of(kSeparator)); }

TEST_F(PathsTest, RelativeNamesFollowTheCurrentFolder) {
  ASSERT_TRUE(FolderCreate(Path(u"sub")));
  ASSERT_TRUE(SetCurrentFolder(Path(u"sub")));
  const std::u16string here = CurrentFolder();
  ASSERT_FALSE(here.empty());
  ASSERT_TRUE(WriteWholeFile(u"..\\rel.txt", "relative"));
  EXPECT_EQ(ReadFile(u"rel.txt"), "relative");

  const std::u16string parent = Parent(here);
  EXPECT_EQ(FullPath(u"..\\x"), parent + kSeparator + u"x");
  EXPECT_EQ(FullPath(u"x"), here + kSeparator + u"x");
  EXPECT_EQ(FullPath(u".\\a\\..\\b"), here + kSeparator + u"b");
  EXPECT_EQ(FullPath(u"."), here);
  EXPECT_EQ(FileExists(FullPath(u"..\\rel.txt")), true);
}

TEST(FullPathTest, ResolvesDotsAsText) {
  struct Case {
    std::u16string_view name, full;
  } cases[] = {
#ifdef _WIN32
      {u"C:\\a\\b\\..\\c", u"C:\\a\\c"},
      {u"C:/a/./b/", u"C:\\a\\b\\"},
      {u"C:\\a\\..\\..\\..", u"C:\\"},
      {u"C:\\no\\such\\..\\file.txt", u"C:\\no\\file.txt"},
#else
      {u"/a/b/../c", u"/a/c"},
      {u"\\a\\.\\b\\", u"/a/b/"},
      {u"/a/../../..", u"/"},
      {u"/no/such/../file.txt", u"/no/file.txt"},
#endif
  };
  for (const Case& c : cases) EXPECT_EQ(FullPath(std::u16string(c.name)), c.full) << Utf8(c.name);
}

TEST(ProgramPathTest, NamesThisTestProgram) {
  const std::u16string path = ProgramPath();
  EXPECT_TRUE(FileExists(path)) << Utf8(path);
  EXPECT_NE(path.find(u"platform_tests"), std::u16string::npos) << Utf8(path);
  EXPECT_EQ(FullPath(path), path);
}

TEST(CurrentFolderTest, MissingFolderIsRefused) {
  const std::u16string before = CurrentFolder();
  EXPECT_FALSE(SetCurrentFolder(u"/no/such/folder/for/qel"));
  EXPECT_FALSE(LastErrorText().empty());
  EXPECT_EQ(CurrentFolder(), before);
}

}  // namespace
