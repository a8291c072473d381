#include "toolkit/graphics/backend.h"

namespace toolkit {

namespace {
std::unique_ptr<Backend>& Current() {
  static std::unique_ptr<Backend> current;
  return current;
}

std::uint32_t generation = 1;
}  // namespace

Backend& CurrentBackend() {
  auto& current = Current();
  if (!current) current = MakePlatformBackend();
  return *current;
}

std::unique_ptr<Backend> SetBackend(std::unique_ptr<Backend> backend) {
  ++generation;
  std::unique_ptr<Backend> previous = std::move(Current());
  Current() = std::move(backend);
  return previous;
}

std::uint32_t BackendGeneration() { return generation; }

}  // namespace toolkit
