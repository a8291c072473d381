// The stack room check of every recursion whose depth a script or its data
// decides: calls, nested blocks and expressions, scopes, nested objects. Going
// too deep becomes a script error while the stack still has room to raise it,
// unwind, and run what lies between two checks.
#pragma once

namespace runtime {

namespace stack_guard_detail {

// The lowest frame address at which a checked level may start; null until
// the thread's first check.
extern thread_local constinit const char* tFloor;
const char* FindFloor();

}  // namespace stack_guard_detail

// Whether the calling frame lies above the reserve kept at the stack's end.
inline bool HasStackRoom() {
  const char* floor = stack_guard_detail::tFloor;
  if (!floor) floor = stack_guard_detail::FindFloor();
  return static_cast<const char*>(__builtin_frame_address(0)) >= floor;
}

[[noreturn]] void RaiseStackOverflow();

// Raises "Stack overflow: ..." when the stack is nearly used up.
inline void CheckStackRoom() {
  if (!HasStackRoom()) RaiseStackOverflow();
}

}  // namespace runtime
