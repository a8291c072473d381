#include <pthread.h>

#include "platform/stack_room.h"

namespace platform {
namespace {

// Asking glibc reads /proc for the main thread, so it is asked once per thread.
const char* StackBottom() {
  pthread_attr_t attributes;
  if (::pthread_getattr_np(::pthread_self(), &attributes) != 0) return nullptr;
  void* lowest = nullptr;
  std::size_t size = 0;
  if (::pthread_attr_getstack(&attributes, &lowest, &size) != 0) lowest = nullptr;
  ::pthread_attr_destroy(&attributes);
  return static_cast<const char*>(lowest);
}

}  // namespace

// The frame address, not a local's: sanitizers may move locals off the stack.
std::size_t StackRoom() {
  thread_local const char* const bottom = StackBottom();
  const char* here = static_cast<const char*>(__builtin_frame_address(0));
  return bottom && here > bottom ? static_cast<std::size_t>(here - bottom) : 0;
}

}  // namespace platform
