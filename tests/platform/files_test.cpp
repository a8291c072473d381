#include "platform/errors.h"
#include "platform/files.h"
#include "support/temp_folder.h"

using namespace platform;

namespace {

class FilesTest : public TempFolderTest {};

std::string ReadAt(FileHandle file, std::int64_t position, std::size_t count) {
  std::string bytes(count, '\0');
  EXPECT_EQ(Seek(file, position, SeekFrom::Begin), position);
  const std::int64_t got = ReadBytes(file, bytes.data(), count);
  bytes.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
  return bytes;
}

TEST_F(FilesTest, WriteSeekReadAndTruncateRoundTrip) {
  const FileHandle file = CreateAlways(Path(u"data.bin"));
  ASSERT_NE(file, kInvalidFile) << Utf8(LastErrorText());
  EXPECT_EQ(WriteBytes(file, "hello world", 11), 11);
  EXPECT_EQ(ReadAt(file, 0, 5), "hello");
  EXPECT_EQ(Seek(file, 2, SeekFrom::Current), 7);
  EXPECT_EQ(ReadAt(file, 6, 100), "world");
  EXPECT_EQ(ReadAt(file, 11, 4), "");
  EXPECT_EQ(Seek(file, -6, SeekFrom::End), 5);
  EXPECT_TRUE(Truncate(file));
  EXPECT_EQ(Seek(file, 0, SeekFrom::End), 5);
  EXPECT_TRUE(CloseFile(file));
  EXPECT_EQ(ReadFile(u"data.bin"), "hello");
}

TEST_F(FilesTest, SeekReachesBeyondFourGigabytes) {
  const FileHandle file = CreateAlways(Path(u"sparse.bin"));
  ASSERT_NE(file, kInvalidFile);
  const std::int64_t far = (std::int64_t{1} << 32) + 5;
  EXPECT_EQ(Seek(file, far, SeekFrom::Begin), far);
  EXPECT_EQ(Seek(file, 1, SeekFrom::Current), far + 1);
  EXPECT_TRUE(CloseFile(file));
}

TEST_F(FilesTest, UpdateKeepsContentsAndCreateAlwaysEmpties) {
  WriteFile(u"f.txt", "hello");
  FileHandle file = OpenForUpdate(Path(u"f.txt"));
  ASSERT_NE(file, kInvalidFile);
  EXPECT_EQ(WriteBytes(file, "J", 1), 1);
  EXPECT_TRUE(CloseFile(file));
  EXPECT_EQ(ReadFile(u"f.txt"), "Jello");

  file = CreateAlways(Path(u"f.txt"));
  ASSERT_NE(file, kInvalidFile);
  EXPECT_TRUE(CloseFile(file));
  EXPECT_EQ(ReadFile(u"f.txt"), "");
}

TEST_F(FilesTest, ReadersShareTheFile) {
  WriteFile(u"f.txt", "shared");
  const FileHandle first = OpenForReading(Path(u"f.txt"));
  const FileHandle second = OpenForReading(Path(u"f.txt"));
  const FileHandle writer = OpenForUpdate(Path(u"f.txt"));
  EXPECT_NE(first, kInvalidFile);
  EXPECT_NE(second, kInvalidFile);
  EXPECT_NE(writer, kInvalidFile);
  for (FileHandle file : {first, second, writer}) CloseFile(file);
}

TEST_F(FilesTest, OpeningFailuresLeaveAnErrorText) {
  WriteFile(u"file", "x");
  const std::u16string missing = Path(u"missing.txt");
  const std::u16string inMissingFolder = Path(u"no\\such\\folder.txt");
  for (const std::u16string& path : {missing, inMissingFolder}) {
    SetLastError(0);
    EXPECT_EQ(OpenForReading(path), kInvalidFile) << Utf8(path);
    EXPECT_NE(LastError(), 0);
    EXPECT_FALSE(LastErrorText().empty());
    EXPECT_EQ(OpenForUpdate(path), kInvalidFile) << Utf8(path);
  }
  EXPECT_EQ(CreateAlways(inMissingFolder), kInvalidFile);
  EXPECT_EQ(CreateAlways(Path(u"file\\below")), kInvalidFile);
  // A folder is not a file, on either build.
  EXPECT_EQ(OpenForReading(root_), kInvalidFile);
  EXPECT_FALSE(LastErrorText().empty());
}

TEST_F(FilesTest, InvalidHandleFailsInsteadOfCrashing) {
  char buffer[4];
  EXPECT_EQ(ReadBytes(kInvalidFile, buffer, sizeof buffer), -1);
  EXPECT_EQ(WriteBytes(kInvalidFile, "x", 1), -1);
  EXPECT_EQ(Seek(kInvalidFile, 0, SeekFrom::End), -1);
  EXPECT_FALSE(CloseFile(kInvalidFile));
}

TEST_F(FilesTest, WholeFileHelpersKeepEveryByte) {
  std::string bytes;
  for (int i = 0; i < 200000; ++i) bytes += static_cast<char>(i * 7);
  ASSERT_TRUE(WriteWholeFile(Path(u"big.bin"), bytes));
  EXPECT_EQ(ReadFile(u"big.bin"), bytes);
  ASSERT_TRUE(WriteWholeFile(Path(u"big.bin"), "short"));
  EXPECT_EQ(ReadFile(u"big.bin"), "short");
  std::string unread = "untouched";
  EXPECT_FALSE(ReadWholeFile(Path(u"nothing"), unread));
  EXPECT_FALSE(LastErrorText().empty());
}

TEST_F(FilesTest, NonAsciiNamesWork) {
  const std::u16string name = u"\u00e9t\u00e9 \u4e2d.txt";
  WriteFile(name, "summer");
  EXPECT_EQ(ReadFile(name), "summer");
}

}  // namespace
