// The script generator repeats a fixed sequence for a seed, in both builds.
#include <gtest/gtest.h>

#include <vector>

#include "runtime/format/random.h"

using namespace runtime;

TEST(RandomGenerator, SeededSequencesAreFixed) {
  RandomGenerator percent(1);
  std::vector<uint32_t> draws;
  for (int i = 0; i < 8; ++i) draws.push_back(percent.Below(100));
  EXPECT_EQ(draws, (std::vector<uint32_t>{3, 86, 20, 27, 67, 31, 16, 37}));
  EXPECT_EQ(percent.Seed(), 1598751577u);

  RandomGenerator wide(1);
  draws.clear();
  for (int i = 0; i < 4; ++i) draws.push_back(wide.Below(2147483647));
  EXPECT_EQ(draws, (std::vector<uint32_t>{67387906, 1849087502, 435039309, 586093958}));

  RandomGenerator dice(20250820);
  draws.clear();
  for (int i = 0; i < 8; ++i) draws.push_back(dice.Below(6));
  EXPECT_EQ(draws, (std::vector<uint32_t>{3, 0, 0, 5, 3, 3, 3, 1}));
}

TEST(RandomGenerator, FractionsAreTheSeedOver2To32) {
  RandomGenerator g(1);
  for (double seed : {134775814.0, 3698175007.0, 870078620.0}) EXPECT_EQ(g.Fraction(), seed / 4294967296.0);
  g.SetSeed(1298181734);  // the next seed is 0xFFFFFFFF
  EXPECT_LT(g.Fraction(), 1.0);
  EXPECT_EQ(g.Seed(), 0xFFFFFFFFu);
  g.SetSeed(649090867);  // the next seed is 0
  EXPECT_EQ(g.Fraction(), 0.0);
}

TEST(RandomGenerator, ASeedReadBackRepeatsTheSequence) {
  RandomGenerator g(7);
  g.Below(10);
  uint32_t saved = g.Seed();
  std::vector<uint32_t> first, again;
  for (int i = 0; i < 5; ++i) first.push_back(g.Below(1000));
  g.SetSeed(saved);
  for (int i = 0; i < 5; ++i) again.push_back(g.Below(1000));
  EXPECT_EQ(first, again);
}

TEST(RandomGenerator, DrawsStayInRange) {
  RandomGenerator g(0);
  EXPECT_EQ(g.Below(1), 0u);
  EXPECT_EQ(g.Below(0), 0u);
  for (int i = 0; i < 1000; ++i) EXPECT_LT(g.Below(3), 3u);
  g.SetSeed(1298181734);
  EXPECT_EQ(g.Below(2147483647), 2147483646u);
}

TEST(RandomGenerator, ClockSeedingMovesTheSeed) {
  RandomGenerator g(5);
  g.SeedFromClock();
  uint32_t first = g.Seed();
  g.SeedFromClock();
  EXPECT_NE(g.Seed(), first);
  EXPECT_EQ(ScriptRandom().Seed(), 0u);
}
