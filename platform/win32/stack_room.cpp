#include <windows.h>

#include "platform/stack_room.h"

namespace platform {

// The stack's whole reservation is one allocation whose base is the lowest
// address the stack may grow to.
std::size_t StackRoom() {
  const char* here = static_cast<const char*>(__builtin_frame_address(0));
  MEMORY_BASIC_INFORMATION region;
  if (::VirtualQuery(here, &region, sizeof(region)) == 0) return 0;
  const char* bottom = static_cast<const char*>(region.AllocationBase);
  return here > bottom ? static_cast<std::size_t>(here - bottom) : 0;
}

}  // namespace platform
