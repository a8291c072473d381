#include <gtest/gtest.h>

#include <string>

#include "../support/corpus_files.h"
#include "front_end_run.h"

// The inputs the fuzzer found interesting, replayed on every build: each must
// go through the front end without a crash or a hang.
TEST(FuzzCorpus, EveryInputRunsThroughTheFrontEnd) {
  const int replayed = ReplayCorpus(u"" QEL_PARSE_CORPUS, [](const std::string& bytes) { RunFrontEnd(bytes); });
  EXPECT_GT(replayed, 0);
}
