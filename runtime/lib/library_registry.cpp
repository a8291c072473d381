#include "library_registry.h"

#include <array>

#include "event_library.h"

namespace {

CLibrary* NewEventLibrary() { return new CEventLibrary(); }

std::array<LibraryFactory, size_t(LibrarySlot::kCount)>& Factories() {
  static std::array<LibraryFactory, size_t(LibrarySlot::kCount)> factories = [] {
    std::array<LibraryFactory, size_t(LibrarySlot::kCount)> initial{};
    initial[size_t(LibrarySlot::kEvent)] = &NewEventLibrary;
    return initial;
  }();
  return factories;
}

}  // namespace

void RegisterLibrary(LibrarySlot slot, LibraryFactory factory) { Factories()[size_t(slot)] = factory; }

LibraryFactory RegisteredLibrary(LibrarySlot slot) { return Factories()[size_t(slot)]; }
