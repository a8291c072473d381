#include <gtest/gtest.h>

#include <string>

#include "front_end_run.h"
#include "support/corpus_files.h"

// The inputs the fuzzer found interesting, replayed on every build: each must
// go through the front end without a crash or a hang.
TEST(FuzzCorpus, EveryInputRunsThroughTheFrontEnd) {
  const int replayed = ReplayCorpus(u"" QEL_PARSE_CORPUS, [](const std::string& bytes) { RunFrontEnd(bytes); });
  EXPECT_GT(replayed, 0);
}
