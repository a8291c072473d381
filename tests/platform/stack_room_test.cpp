#include <gtest/gtest.h>

#include "platform/stack_room.h"
#ifndef _WIN32
#include "platform/posix/stack_bottom.h"
#endif

using namespace platform;

namespace {

// Each level keeps a zeroed buffer on the stack; reading it after the call
// keeps the frame alive across it.
std::size_t RoomAtDepth(int depth) {
  volatile char buffer[4096] = {};
  const std::size_t room = depth == 0 ? StackRoom() : RoomAtDepth(depth - 1);
  return room + static_cast<std::size_t>(buffer[depth]);
}

TEST(StackRoomTest, ShrinksAsCallsNest) {
  const std::size_t here = StackRoom();
  EXPECT_GT(here, 256u * 1024);
  EXPECT_LT(RoomAtDepth(8), here - 8 * 4096);
}

#ifndef _WIN32
// The main thread's stack as start-up reads it is the one glibc reports.
TEST(StackRoomTest, TheMainThreadsBottomIsTheSystemsOwn) {
  const char* const bottom = detail::MainThreadStackBottom();
  if (!bottom) GTEST_SKIP() << "the stack has no finite limit here";
  EXPECT_EQ(bottom, detail::ThreadStackBottom());
}
#endif

}  // namespace
