#include "platform/clock.h"
#include "support/temp_folder.h"

using namespace platform;

namespace {

template <typename Counter>
void ExpectAdvances(Counter counter) {
  const auto start = counter();
  auto now = start;
  while (now == start) now = counter();
  EXPECT_GT(now, start);
}

TEST(ClockTest, CountersAdvance) {
  ExpectAdvances(TickCount64);
  ExpectAdvances(TickCount);
  ExpectAdvances(MicroCounter);
}

TEST(ClockTest, TickCountIsTheLowPartOfTheWideOne) {
  // Read the 32-bit count between two wide ones so no timing is assumed.
  std::uint64_t before = 0, after = 0;
  std::uint32_t narrow = 0;
  do {
    before = TickCount64();
    narrow = TickCount();
    after = TickCount64();
  } while (before != after);
  EXPECT_EQ(narrow, static_cast<std::uint32_t>(before));
}

}  // namespace
