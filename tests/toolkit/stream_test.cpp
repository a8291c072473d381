#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "toolkit/core/exceptions.h"
#include "toolkit/core/stream.h"

using namespace toolkit;

namespace {

String TempName(const char* leaf) {
  return FromUtf8((std::filesystem::temp_directory_path() / leaf).string());
}

TEST(StreamTest, MemoryStreamRoundTripsAndGrows) {
  MemoryStream stream;
  const char first[] = "hello";
  const std::int32_t number = -42;
  stream.WriteBuffer(first, 5);
  stream.WriteBuffer(&number, sizeof number);
  EXPECT_EQ(stream.Size(), 9);
  stream.SetPosition(0);
  char readBack[5];
  std::int32_t numberBack = 0;
  stream.ReadBuffer(readBack, 5);
  stream.ReadBuffer(&numberBack, sizeof numberBack);
  EXPECT_EQ(std::memcmp(readBack, first, 5), 0);
  EXPECT_EQ(numberBack, -42);
  // Writing past the end fills the gap with zeros.
  stream.SetPosition(12);
  stream.WriteBuffer("!", 1);
  EXPECT_EQ(stream.Size(), 13);
  EXPECT_EQ(stream.Memory()[10], 0);
}

TEST(StreamTest, ShortReadsAreErrorsButPlainReadsAnswerTheCount) {
  MemoryStream stream;
  stream.WriteBuffer("abc", 3);
  stream.SetPosition(1);
  char buffer[8];
  EXPECT_EQ(stream.Read(buffer, 8), 2);
  EXPECT_EQ(stream.Read(buffer, 8), 0);
  stream.SetPosition(1);
  try {
    stream.ReadBuffer(buffer, 3);
    FAIL();
  } catch (const ReadError& error) {
    EXPECT_STREQ(error.what(), "Stream read error");
  }
  EXPECT_THROW(stream.Seek(-5, SeekOrigin::Current), StreamError);
}

TEST(StreamTest, CopyFromWholeSourceOrAPart) {
  MemoryStream source;
  std::vector<std::uint8_t> bytes(100000);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
  source.WriteBuffer(bytes.data(), static_cast<std::int64_t>(bytes.size()));
  MemoryStream whole;
  EXPECT_EQ(whole.CopyFrom(source, 0), 100000);
  EXPECT_EQ(std::memcmp(whole.Memory(), bytes.data(), bytes.size()), 0);
  source.SetPosition(10);
  MemoryStream part;
  part.CopyFrom(source, 5);
  EXPECT_EQ(part.Size(), 5);
  EXPECT_EQ(part.Memory()[0], bytes[10]);
  EXPECT_THROW(part.CopyFrom(source, 200000), ReadError);
}

TEST(StreamTest, FileStreamRoundTripAndSize) {
  const String name = TempName("toolkit_stream_test.bin");
  {
    FileStream file(name, FileMode::Create);
    file.WriteBuffer("0123456789", 10);
    file.SetSize(4);
    EXPECT_EQ(file.Size(), 4);
  }
  MemoryStream copy;
  copy.LoadFromFile(name);
  EXPECT_EQ(copy.Size(), 4);
  EXPECT_EQ(std::memcmp(copy.Memory(), "0123", 4), 0);
  {
    FileStream file(name, FileMode::OpenReadWrite);
    file.Seek(0, SeekOrigin::End);
    file.WriteBuffer("xy", 2);
  }
  copy.LoadFromFile(name);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(copy.Memory()), 6), "0123xy");
  std::filesystem::remove(std::filesystem::path(ToUtf8(name)));
}

TEST(StreamTest, OpeningAMissingFileNamesIt) {
  const String name = TempName("toolkit_no_such_folder/none.bin");
  try {
    FileStream file(name, FileMode::OpenRead);
    FAIL();
  } catch (const FileStreamError& error) {
    EXPECT_EQ(error.Message(), u"Cannot open file \"" + name + u"\"");
  }
  EXPECT_THROW(FileStream(name, FileMode::Create), FileStreamError);
}

// A read-only view over someone else's bytes, as a transfer reader needs.
class ReadOnlyView : public CustomMemoryStream {
 public:
  ReadOnlyView(std::uint8_t* data, std::int64_t size) { SetPointer(data, size); }
  std::int64_t Write(const void*, std::int64_t) override { throw StreamError(u"read-only"); }
};

TEST(StreamTest, CustomMemoryStreamReadsABlockItDoesNotOwn) {
  std::uint8_t block[] = {1, 2, 3, 4};
  ReadOnlyView view(block, 4);
  view.Seek(-2, SeekOrigin::End);
  std::uint8_t two[2];
  view.ReadBuffer(two, 2);
  EXPECT_EQ(two[0], 3);
  EXPECT_EQ(two[1], 4);
  MemoryStream copy;
  view.SaveToStream(copy);
  EXPECT_EQ(copy.Size(), 4);
  EXPECT_THROW(view.WriteBuffer(two, 1), StreamError);
}

}  // namespace
