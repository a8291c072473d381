#include "platform/errors.h"
#include "platform/filesystem.h"
#include "support/temp_folder.h"

using namespace platform;

namespace {

class FileSystemTest : public TempFolderTest {};

TEST_F(FileSystemTest, ExistenceTellsFilesFromFolders) {
  WriteFile(u"file.txt", "abc");
  ASSERT_TRUE(FolderCreate(Path(u"folder")));
  struct Case {
    std::u16string name;
    bool file, folder;
  } cases[] = {{u"file.txt", true, false}, {u"folder", false, true}, {u"missing", false, false}};
  for (const Case& c : cases) {
    EXPECT_EQ(FileExists(Path(c.name)), c.file) << Utf8(c.name);
    EXPECT_EQ(FolderExists(Path(c.name)), c.folder) << Utf8(c.name);
  }
}

TEST_F(FileSystemTest, InfoGivesKindSizeAndPlausibleTimes) {
  WriteFile(u"file.txt", "0123456789");
  FileInfo info;
  ASSERT_TRUE(QueryFileInfo(Path(u"file.txt"), info));
  EXPECT_FALSE(info.folder);
  EXPECT_EQ(info.size, 10);
  // OLE dates of 2020-01-01 and 2100-01-01: the epoch and unit are right.
  EXPECT_GT(info.written, 43831);
  EXPECT_LT(info.written, 73051);
  EXPECT_GT(info.created, 43831);
  EXPECT_LE(info.created, info.written + 1.0 / 86400);

  ASSERT_TRUE(QueryFileInfo(root_, info));
  EXPECT_TRUE(info.folder);
  EXPECT_FALSE(QueryFileInfo(Path(u"missing"), info));
  EXPECT_FALSE(LastErrorText().empty());
}

TEST_F(FileSystemTest, FolderCreateMakesEveryMissingParent) {
  const std::u16string deep = Path(u"a\\b/c\\");
  EXPECT_TRUE(FolderCreate(deep));
  EXPECT_TRUE(FolderExists(Path(u"a\\b\\c")));
  EXPECT_TRUE(FolderCreate(deep));  // already there
  WriteFile(u"a\\file", "x");
  EXPECT_FALSE(FolderCreate(Path(u"a\\file\\below")));
  EXPECT_FALSE(FolderCreate(Path(u"a\\file")));
  EXPECT_FALSE(LastErrorText().empty());
}

TEST_F(FileSystemTest, CopyWithoutOverwriteKeepsTheDestination) {
  WriteFile(u"src.txt", "source");
  WriteFile(u"dst.txt", "destination");
  EXPECT_FALSE(FileCopy(Path(u"src.txt"), Path(u"dst.txt"), false));
  EXPECT_EQ(ReadFile(u"dst.txt"), "destination");
  EXPECT_TRUE(FileCopy(Path(u"src.txt"), Path(u"dst.txt"), true));
  EXPECT_EQ(ReadFile(u"dst.txt"), "source");
  EXPECT_TRUE(FileCopy(Path(u"src.txt"), Path(u"new.txt"), false));
  EXPECT_EQ(ReadFile(u"new.txt"), "source");
  EXPECT_EQ(ReadFile(u"src.txt"), "source");
}

TEST_F(FileSystemTest, CopyFailuresLeaveFilesAlone) {
  WriteFile(u"src.txt", "source");
  ASSERT_TRUE(FolderCreate(Path(u"folder")));
  EXPECT_FALSE(FileCopy(Path(u"src.txt"), Path(u"src.txt"), true));
  EXPECT_EQ(ReadFile(u"src.txt"), "source");
  EXPECT_FALSE(FileCopy(Path(u"missing"), Path(u"out.txt"), true));
  EXPECT_FALSE(FileExists(Path(u"out.txt")));
  EXPECT_FALSE(FileCopy(Path(u"folder"), Path(u"out.txt"), true));
  EXPECT_FALSE(FileExists(Path(u"out.txt")));
}

TEST_F(FileSystemTest, MoveRenamesFilesAndFoldersButNeverReplaces) {
  WriteFile(u"a.txt", "a");
  WriteFile(u"b.txt", "b");
  EXPECT_TRUE(FileMove(Path(u"a.txt"), Path(u"c.txt")));
  EXPECT_FALSE(FileExists(Path(u"a.txt")));
  EXPECT_EQ(ReadFile(u"c.txt"), "a");
  EXPECT_FALSE(FileMove(Path(u"c.txt"), Path(u"b.txt")));
  EXPECT_EQ(ReadFile(u"b.txt"), "b");
  EXPECT_EQ(ReadFile(u"c.txt"), "a");

  ASSERT_TRUE(FolderCreate(Path(u"dir")));
  WriteFile(u"dir\\inner.txt", "inner");
  EXPECT_TRUE(FileMove(Path(u"dir"), Path(u"moved")));
  EXPECT_EQ(ReadFile(u"moved\\inner.txt"), "inner");
  EXPECT_FALSE(FileMove(Path(u"missing"), Path(u"other")));
}

TEST_F(FileSystemTest, DeleteAndRemoveTakeOnlyTheirKind) {
  WriteFile(u"file.txt", "x");
  ASSERT_TRUE(FolderCreate(Path(u"full\\inner")));
  ASSERT_TRUE(FolderCreate(Path(u"empty")));
  EXPECT_FALSE(FileDelete(Path(u"empty")));
  EXPECT_FALSE(FolderRemove(Path(u"file.txt")));
  EXPECT_FALSE(FolderRemove(Path(u"full")));
  EXPECT_TRUE(FolderExists(Path(u"full\\inner")));
  EXPECT_TRUE(FileDelete(Path(u"file.txt")));
  EXPECT_TRUE(FolderRemove(Path(u"empty")));
  EXPECT_FALSE(FileExists(Path(u"file.txt")));
  EXPECT_FALSE(FolderExists(Path(u"empty")));
  EXPECT_FALSE(FileDelete(Path(u"file.txt")));
  EXPECT_FALSE(LastErrorText().empty());
}

}  // namespace
