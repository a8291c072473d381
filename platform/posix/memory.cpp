#include <sys/mman.h>

#include "platform/memory.h"

namespace platform {

void* AllocExecutable(std::size_t size) {
  void* memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE | PROT_EXEC, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return memory == MAP_FAILED ? nullptr : memory;
}

bool FreeExecutable(void* memory, std::size_t size) { return ::munmap(memory, size) == 0; }

}  // namespace platform
