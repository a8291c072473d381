#include <ctime>

#include "platform/clock.h"

namespace platform {
namespace {

std::uint64_t Monotonic(std::uint64_t unitsPerSecond) {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<std::uint64_t>(now.tv_sec) * unitsPerSecond +
         static_cast<std::uint64_t>(now.tv_nsec) / (1000000000 / unitsPerSecond);
}

}  // namespace

std::uint32_t TickCount() { return static_cast<std::uint32_t>(TickCount64()); }

std::uint64_t TickCount64() { return Monotonic(1000); }

std::uint64_t MicroCounter() { return Monotonic(1000000); }

}  // namespace platform
