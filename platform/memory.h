// Memory that may hold machine code to run (callback stubs), and hints for
// large blocks.
#pragma once
#include <cstddef>

namespace platform {

// Readable, writable and executable; nullptr on failure.
void* AllocExecutable(std::size_t size);
// size must be the one given to AllocExecutable.
bool FreeExecutable(void* memory, std::size_t size);

// A hint that a freshly allocated block of many megabytes is about to be
// written in full: where the system can, it backs the block with large pages,
// so filling it takes a few hundred page faults instead of tens of thousands.
void AdviseFilledSoon(void* memory, std::size_t size);

}  // namespace platform
