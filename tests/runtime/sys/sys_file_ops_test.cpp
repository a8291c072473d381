#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "platform/files.h"
#include "platform/filesystem.h"
#include "support/sys_fixture.h"
#include "runtime/sys/sys_util.h"

using namespace runtime;

namespace {

using SysFileOps = SysFolderTest;

double OleNow() {
  const auto seconds = std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count();
  return 25569 + seconds / 86400;
}

TEST_F(SysFileOps, CopyOverwritesOnlyWhenAsked) {
  WriteFile(u"a.txt", "new");
  WriteFile(u"b.txt", "old");
  CSysUtil::CopyFile(Name(u"a.txt"), Name(u"b.txt"), false);
  EXPECT_EQ(ReadFile(u"b.txt"), "old");
  CSysUtil::CopyFile(Name(u"a.txt"), Name(u"b.txt"), true);
  EXPECT_EQ(ReadFile(u"b.txt"), "new");
  CSysUtil::CopyFile(Name(u"a.txt"), Name(u"c.txt"), false);
  EXPECT_EQ(ReadFile(u"c.txt"), "new");
  CSysUtil::CopyFile(Name(u"missing.txt"), Name(u"d.txt"), true);
  EXPECT_FALSE(platform::FileExists(Path(u"d.txt")));
}

TEST_F(SysFileOps, MoveRenamesOrWithoutDestinationDeletes) {
  WriteFile(u"a.txt", "moved");
  CSysUtil::MoveFile(Name(u"a.txt"), Name(u"b.txt"));
  EXPECT_FALSE(platform::FileExists(Path(u"a.txt")));
  EXPECT_EQ(ReadFile(u"b.txt"), "moved");

  CSysUtil::MoveFile(Name(u"b.txt"), Text());
  EXPECT_FALSE(platform::FileExists(Path(u"b.txt")));

  ASSERT_TRUE(platform::FolderCreate(Path(u"empty")));
  ASSERT_TRUE(platform::FolderCreate(Path(u"full")));
  WriteFile(u"full\\kept.txt", "kept");
  CSysUtil::MoveFile(Name(u"empty"), Text());
  CSysUtil::MoveFile(Name(u"full"), Text());
  EXPECT_FALSE(platform::FolderExists(Path(u"empty")));
  EXPECT_EQ(ReadFile(u"full\\kept.txt"), "kept");
}

TEST_F(SysFileOps, FileInfoGivesDatesAndTheLowSizeBits) {
  WriteFile(u"five.txt", "12345");
  const Text name = Name(u"five.txt");
  EXPECT_EQ(CSysUtil::FileInfo(name, 2), 5);
  EXPECT_EQ(CSysUtil::FileInfo(name, 9), 5);
  for (int kind : {0, 1}) EXPECT_LT(std::fabs(CSysUtil::FileInfo(name, kind) - OleNow()), 1.0) << kind;
  for (int kind : {0, 1, 2}) EXPECT_EQ(CSysUtil::FileInfo(Name(u"missing.txt"), kind), 0) << kind;
}

// A sparse file just over 4 GiB costs no disk space.
TEST_F(SysFileOps, FileInfoSizeKeepsOnlyTheLow32Bits) {
  const platform::FileHandle file = platform::CreateAlways(Path(u"big.bin"));
  ASSERT_NE(file, platform::kInvalidFile);
  const bool written = platform::Seek(file, 0x100000005LL, platform::SeekFrom::Begin) > 0 && platform::WriteString(file, "x");
  platform::CloseFile(file);
  ASSERT_TRUE(written);
  EXPECT_EQ(CSysUtil::FileInfo(Name(u"big.bin"), 2), 6);
}

}  // namespace
