#include "platform/memory.h"
#include "platform/win32/wide.h"

namespace platform {

void* AllocExecutable(std::size_t size) {
  return ::VirtualAlloc(nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_EXECUTE_READWRITE);
}

bool FreeExecutable(void* memory, std::size_t) { return ::VirtualFree(memory, 0, MEM_RELEASE) != 0; }

// Large pages need a privilege ordinary users lack: the pages come as they are touched.
void AdviseFilledSoon(void*, std::size_t) {}

}  // namespace platform
