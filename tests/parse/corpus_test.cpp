#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "front_end_run.h"
#include "platform/dirs.h"
#include "platform/files.h"
#include "../platform/temp_folder.h"

// The inputs the fuzzer found interesting, replayed on every build: each must
// go through the front end without a crash or a hang.
TEST(FuzzCorpus, EveryInputRunsThroughTheFrontEnd) {
  const std::u16string folder = u"" QEL_PARSE_CORPUS;
  std::vector<platform::DirEntry> entries;
  ASSERT_TRUE(platform::ListFolder(folder, u"*", entries));
  int replayed = 0;
  for (const platform::DirEntry& entry : entries) {
    if (entry.folder) continue;
    std::string bytes;
    ASSERT_TRUE(platform::ReadWholeFile(folder + u"/" + entry.name, bytes));
    SCOPED_TRACE(Utf8(entry.name));
    RunFrontEnd(bytes);
    ++replayed;
  }
  EXPECT_GT(replayed, 0);
}
