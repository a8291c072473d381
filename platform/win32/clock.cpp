#include "platform/clock.h"
#include "platform/win32/wide.h"

namespace platform {

std::uint32_t TickCount() { return ::GetTickCount(); }

std::uint64_t TickCount64() { return ::GetTickCount64(); }

std::uint64_t MicroCounter() {
  LARGE_INTEGER count{};
  LARGE_INTEGER frequency{};
  ::QueryPerformanceCounter(&count);
  ::QueryPerformanceFrequency(&frequency);
  const auto ticks = static_cast<std::uint64_t>(count.QuadPart);
  const auto perSecond = static_cast<std::uint64_t>(frequency.QuadPart);
  // Split so the multiplication cannot overflow.
  return ticks / perSecond * 1000000 + ticks % perSecond * 1000000 / perSecond;
}

}  // namespace platform
