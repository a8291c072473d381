// How deep the current thread may still recurse.
#pragma once
#include <cstddef>

namespace platform {

// Bytes of stack left below the caller's frame; 0 when the OS does not say.
std::size_t StackRoom();

}  // namespace platform
