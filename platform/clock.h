// Monotonic time counters.
#pragma once
#include <cstdint>

namespace platform {

// Milliseconds since an arbitrary start; the 32-bit one wraps like GetTickCount.
std::uint32_t TickCount();
std::uint64_t TickCount64();
// Microseconds since an arbitrary start, for timing.
std::uint64_t MicroCounter();

}  // namespace platform
