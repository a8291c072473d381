// Memory that may hold machine code to run (callback stubs).
#pragma once
#include <cstddef>

namespace platform {

// Readable, writable and executable; nullptr on failure.
void* AllocExecutable(std::size_t size);
// size must be the one given to AllocExecutable.
bool FreeExecutable(void* memory, std::size_t size);

}  // namespace platform
