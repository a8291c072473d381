#include "runtime/stack_guard.h"

#include <algorithm>
#include <cstddef>

#include "runtime/error.h"
#include "platform/stack_room.h"

namespace runtime {

namespace stack_guard_detail {
namespace {

// Left below the floor: the deepest stretch between two checks (a library
// call, the OS underneath it), raising and unwinding the error, and the
// handlers that run before the stack is given back. Sanitizers pad frames.
#if defined(__SANITIZE_ADDRESS__)
constexpr std::size_t kReserve = 1024 * 1024;
#else
constexpr std::size_t kReserve = 256 * 1024;
#endif
// Assumed when the OS does not say how much stack is left.
constexpr std::size_t kAssumedRoom = 1024 * 1024;

}  // namespace

thread_local constinit const char* tFloor = nullptr;

// A thread whose whole stack is small keeps half of what it had at its
// first check.
const char* FindFloor() {
  const char* here = static_cast<const char*>(__builtin_frame_address(0));
  std::size_t room = platform::StackRoom();
  if (room == 0) room = kAssumedRoom;
  tFloor = here - room + std::min(kReserve, room / 2);
  return tFloor;
}

}  // namespace stack_guard_detail

void RaiseStackOverflow() { RaiseError(QT("Stack overflow: no stack space left")); }

}  // namespace runtime
