#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "json_fuzz_run.h"
#include "platform/dirs.h"
#include "platform/files.h"

// The inputs the fuzzer found interesting, replayed on every build.
TEST(JsonFuzzCorpus, EveryInputReadsAndWritesStably) {
  const std::u16string folder = u"" QEL_JSON_CORPUS;
  std::vector<platform::DirEntry> entries;
  ASSERT_TRUE(platform::ListFolder(folder, u"*", entries));
  int replayed = 0;
  for (const platform::DirEntry& entry : entries) {
    if (entry.folder) continue;
    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(folder + u"/" + entry.name, bytes));
    EXPECT_EQ(RunJsonInput(bytes), "") << std::string(entry.name.begin(), entry.name.end());
    ++replayed;
  }
  EXPECT_GT(replayed, 0);
}
