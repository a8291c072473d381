#include <sys/mman.h>

#include <cstdint>

#include "platform/memory.h"

namespace platform {

void* AllocExecutable(std::size_t size) {
  void* memory = ::mmap(nullptr, size, PROT_READ | PROT_WRITE | PROT_EXEC, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  return memory == MAP_FAILED ? nullptr : memory;
}

bool FreeExecutable(void* memory, std::size_t size) { return ::munmap(memory, size) == 0; }

void AdviseFilledSoon(void* memory, std::size_t size) {
#ifdef MADV_HUGEPAGE
  // Only the whole large pages inside the block; a refusal costs nothing.
  constexpr std::uintptr_t kLargePage = std::uintptr_t{2} << 20;
  const auto begin = reinterpret_cast<std::uintptr_t>(memory);
  const std::uintptr_t first = (begin + kLargePage - 1) & ~(kLargePage - 1);
  const std::uintptr_t last = (begin + size) & ~(kLargePage - 1);
  if (last > first) ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
#else
  static_cast<void>(memory);
  static_cast<void>(size);
#endif
}

}  // namespace platform
