#include <gtest/gtest.h>

#include <string>

#include "json_fuzz_run.h"
#include "support/corpus_files.h"

// The inputs the fuzzer found interesting, replayed on every build.
TEST(JsonFuzzCorpus, EveryInputReadsAndWritesStably) {
  const int replayed = ReplayCorpus(u"" QEL_JSON_CORPUS, [](const std::string& bytes) {
    EXPECT_EQ(RunJsonInput(bytes), "");
  });
  EXPECT_GT(replayed, 0);
}
