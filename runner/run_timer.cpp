#include "run_timer.h"

#include "platform/clock.h"

void CRunTimer::Start() { started_ = platform::TickCount(); }

uint32_t CRunTimer::ElapsedMs() {
  const uint32_t now = platform::TickCount();
  const uint32_t elapsed = now - started_;
  started_ = now;
  return elapsed;
}
