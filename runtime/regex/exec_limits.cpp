#include "regex/exec_limits.h"

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

// PCRE calls this before every item of a pattern compiled with automatic
// callouts; a negative result ends the search with that result.
int CountStep(pcre_callout_block* block) {
  auto* stepsLeft = static_cast<std::int64_t*>(block->callout_data);
  if (!stepsLeft) return 0;
  return --*stepsLeft < 0 ? kStepsUsedUp : 0;
}

}  // namespace

std::int64_t StepBudget(std::size_t subjectBytes) {
  return kBaseSteps + kStepsPerByte * static_cast<std::int64_t>(subjectBytes);
}

pcre_extra ExecLimits(std::int64_t* stepsLeft) {
  static const bool counting = (pcre_callout = &CountStep, true);
  (void)counting;
  pcre_extra limits{};
  limits.flags = PCRE_EXTRA_MATCH_LIMIT_RECURSION | PCRE_EXTRA_CALLOUT_DATA;
  limits.match_limit_recursion = RecursionLimit();
  limits.callout_data = stepsLeft;
  return limits;
}
