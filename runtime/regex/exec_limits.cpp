#include "regex/exec_limits.h"

#include <cstddef>

#include "platform/stack_room.h"

namespace {

// Left for our own frames, the OS and exception handling.
constexpr std::size_t kReservedStack = 128 * 1024;
// Assumed when the OS does not say how much stack is left.
constexpr std::size_t kAssumedStack = 1024 * 1024;

// PCRE reports the size of its recursion frame when called this way.
std::size_t FrameSize() {
  const int size = -pcre_exec(nullptr, nullptr, nullptr, -999, -999, 0, nullptr, 0);
  return size > 0 ? static_cast<std::size_t>(size) : 1024;
}

unsigned long RecursionLimit() {
  static const std::size_t frame = FrameSize();
  std::size_t room = platform::StackRoom();
  if (room == 0) room = kAssumedStack;
  // A quarter more per frame covers what PCRE's own helpers push.
  return room > kReservedStack ? (room - kReservedStack) / (frame + frame / 4) : 0;
}

}  // namespace

pcre_extra ExecLimits() {
  pcre_extra limits{};
  limits.flags = PCRE_EXTRA_MATCH_LIMIT_RECURSION;
  limits.match_limit_recursion = RecursionLimit();
  return limits;
}
