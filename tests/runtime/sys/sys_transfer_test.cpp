#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "runtime/error.h"
#include "runtime/sys/file_io.h"

using namespace runtime;

namespace {

// A file in memory that refuses requests above a size after moving half of
// them, and moves at most a few bytes per call.
class FaultyFile : public ByteChannel {
public:
  FaultyFile(std::string contents, std::size_t failAbove, std::size_t perCall)
      : contents_(std::move(contents)), failAbove_(failAbove), perCall_(perCall) {}

  std::int64_t Read(void* buffer, std::size_t count) override {
    const std::size_t moved = std::min(Allowed(count), contents_.size() - std::min(position_, contents_.size()));
    std::memcpy(buffer, contents_.data() + position_, moved);
    position_ += moved;
    return count > failAbove_ ? -1 : static_cast<std::int64_t>(moved);
  }

  std::int64_t Write(const void* data, std::size_t count) override {
    const std::size_t moved = Allowed(count);
    if (contents_.size() < position_ + moved) contents_.resize(position_ + moved);
    std::memcpy(contents_.data() + position_, data, moved);
    position_ += moved;
    return count > failAbove_ ? -1 : static_cast<std::int64_t>(moved);
  }

  bool SeekTo(std::int64_t offset) override {
    position_ = static_cast<std::size_t>(offset);
    return true;
  }

  const std::string& Contents() const { return contents_; }
  std::size_t LargestAfterFailure() const { return largestAfterFailure_; }

private:
  std::size_t Allowed(std::size_t count) {
    if (failed_) largestAfterFailure_ = std::max(largestAfterFailure_, count);
    if (count > failAbove_) {
      failed_ = true;
      return count / 2;
    }
    return std::min(count, perCall_);
  }

  std::string contents_;
  std::size_t failAbove_;
  std::size_t perCall_;
  std::size_t position_ = 0;
  bool failed_ = false;
  std::size_t largestAfterFailure_ = 0;
};

constexpr std::size_t kAny = SIZE_MAX;

struct Fault {
  const char* label;
  std::size_t failAbove;
  std::size_t perCall;
};

const Fault kFaults[] = {
    {"clean", kAny, kAny},
    {"short calls", kAny, 3},
    {"first request fails", 10, kAny},
    {"first request fails, short pieces", 10, 3},
};

constexpr std::size_t kChunk = 7;
const std::string kHead = "HEAD";
const std::string kData = "0123456789abcdefghijklmnopqrstuvwxyz";

TEST(SysTransfer, ReadsEveryByteOnceFromTheStart) {
  for (const Fault& f : kFaults) {
    FaultyFile file(kHead + kData, f.failAbove, f.perCall);
    EXPECT_EQ(ReadRange(file, kHead.size(), kData.size(), kChunk), kData) << f.label;
    EXPECT_LE(file.LargestAfterFailure(), kChunk) << f.label;
  }
}

TEST(SysTransfer, WritesEveryByteOnceFromTheStart) {
  for (const Fault& f : kFaults) {
    FaultyFile file(kHead, f.failAbove, f.perCall);
    WriteRange(file, kHead.size(), kData, kChunk);
    EXPECT_EQ(file.Contents(), kHead + kData) << f.label;
    EXPECT_LE(file.LargestAfterFailure(), kChunk) << f.label;
  }
}

TEST(SysTransfer, AFileThatEndsEarlyGivesWhatItHas) {
  FaultyFile file("abc", 10, 2);
  EXPECT_EQ(ReadRange(file, 1, 20, kChunk), "bc");
}

TEST(SysTransfer, AFailingPieceRaises) {
  FaultyFile reading(kData, 0, kAny);
  EXPECT_THROW(ReadRange(reading, 0, kData.size(), kChunk), EScriptError);
  FaultyFile writing("", 0, kAny);
  EXPECT_THROW(WriteRange(writing, 0, kData, kChunk), EScriptError);
}

TEST(SysTransfer, AWriteThatMakesNoProgressRaisesInsteadOfLooping) {
  FaultyFile file("", kAny, 0);
  EXPECT_THROW(WriteRange(file, 0, kData, kChunk), EScriptError);
}

}  // namespace

TEST(SysTransfer, ReadToEndTakesEverythingFromTheCurrentPosition) {
  const std::string contents(200000, 'q');
  FaultyFile file(contents, kAny, 7000);
  file.SeekTo(5);
  EXPECT_EQ(ReadToEnd(file, contents.size(), 1000), contents.substr(5));
  FaultyFile empty("", kAny, kAny);
  EXPECT_EQ(ReadToEnd(empty, 0), "");
}

TEST(SysTransfer, ReadToEndStopsBeyondItsLimit) {
  FaultyFile file(std::string(100, 'q'), kAny, kAny);
  EXPECT_THROW(ReadToEnd(file, 99), EScriptError);
}

TEST(SysTransfer, WriteHereWritesWhereTheFileIs) {
  FaultyFile file("abcdef", kAny, 2);
  file.SeekTo(2);
  WriteHere(file, "XYZ", 1);
  EXPECT_EQ(file.Contents(), "abXYZf");
}
