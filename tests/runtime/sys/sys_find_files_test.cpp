#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <vector>

#include "platform/filesystem.h"
#include "support/sys_fixture.h"
#include "runtime/sys/sys_util.h"

using namespace runtime;

namespace {

struct Found {
  Text name;
  std::int64_t size;
  bool operator==(const Found&) const = default;
  bool operator<(const Found& other) const { return name < other.name; }
};

// root: a.txt(3) b.log(5) dir.txt\ e.txt(2) sub\ c.txt(7) sub\deeper\ d.TXT(1)
class SysFindFiles : public SysFolderTest {
protected:
  void SetUp() override {
    SysFolderTest::SetUp();
    ASSERT_TRUE(platform::FolderCreate(Path(u"sub\\deeper")));
    ASSERT_TRUE(platform::FolderCreate(Path(u"dir.txt")));
    WriteFile(u"a.txt", "aaa");
    WriteFile(u"b.log", "bbbbb");
    WriteFile(u"dir.txt\\e.txt", "ee");
    WriteFile(u"sub\\c.txt", "ccccccc");
    WriteFile(u"sub\\deeper\\d.TXT", "d");
  }

  std::vector<Found> Find(std::u16string_view pathWithMask, bool subfolders, bool withSize) {
    std::vector<Found> found;
    CSysUtil::FindFiles(Name(pathWithMask), subfolders,
                        [&](const Text& name, std::int64_t size) { found.push_back({name, size}); }, withSize);
    return found;
  }

  Found Entry(std::u16string_view name, std::int64_t size) { return {Name(name), size}; }

  static std::vector<Found> Sorted(std::vector<Found> found) {
    std::sort(found.begin(), found.end());
    return found;
  }
};

TEST_F(SysFindFiles, FilesMatchingTheMaskInOneFolder) {
  EXPECT_EQ(Find(u"*.txt", false, true), std::vector<Found>{Entry(u"a.txt", 3)});
  EXPECT_EQ(Find(u"*.txt", false, false), std::vector<Found>{Entry(u"a.txt", -1)});
  EXPECT_EQ(Sorted(Find(u"*.*", false, true)), (std::vector<Found>{Entry(u"a.txt", 3), Entry(u"b.log", 5)}));
  EXPECT_EQ(Find(u"?.LOG", false, true), std::vector<Found>{Entry(u"b.log", 5)});
}

TEST_F(SysFindFiles, SubfoldersAreWalkedAfterTheFolderWithTheSameMask) {
  const std::vector<Found> found = Find(u"*.txt", true, true);
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found.front(), Entry(u"a.txt", 3));
  EXPECT_EQ(Sorted(found), (std::vector<Found>{Entry(u"a.txt", 3), Entry(u"dir.txt\\e.txt", 2), Entry(u"sub\\c.txt", 7),
                                                Entry(u"sub\\deeper\\d.TXT", 1)}));
}

TEST_F(SysFindFiles, ATrailingBackslashListsFolders) {
  EXPECT_EQ(Sorted(Find(u"*\\", false, false)), (std::vector<Found>{Entry(u"dir.txt", -1), Entry(u"sub", -1)}));
  EXPECT_EQ(Sorted(Find(u"*\\", true, false)),
            (std::vector<Found>{Entry(u"dir.txt", -1), Entry(u"sub", -1), Entry(u"sub\\deeper", -1)}));
  // The last name before the backslash is the mask: the folder itself.
  EXPECT_EQ(Find(u"sub\\", false, false), std::vector<Found>{Entry(u"sub", -1)});
}

#ifndef _WIN32
TEST_F(SysFindFiles, ALinkToAnAncestorIsNotEntered) {
  std::u16string root = Path(u"");
  root.pop_back();  // the separator
  std::error_code error;
  std::filesystem::create_directory_symlink(std::filesystem::path(root), std::filesystem::path(root + u"/sub/up"), error);
  ASSERT_FALSE(error) << error.message();
  EXPECT_EQ(Find(u"*.txt", true, true).size(), 4u);
}
#endif

TEST_F(SysFindFiles, AMissingFolderFindsNothing) {
  EXPECT_TRUE(Find(u"missing\\*.*", true, true).empty());
}

}  // namespace
