// The lowest address of the calling thread's stack.
#pragma once

namespace platform::detail {

// What pthread_getattr_np tells; null when it fails.
const char* ThreadStackBottom();
// The main thread's, worked out as glibc's pthread_getattr_np does (the
// mapping that holds the stack's start, the stack limit, the mapping
// below) from one read of /proc/self/maps; null without a finite limit or
// when the maps do not say. Only for the main thread.
const char* MainThreadStackBottom();

}  // namespace platform::detail
