#include "runtime_init.h"

#include "../objlib/object_library.h"
#include "library_registry.h"

namespace {

CLibrary* NewObjectLibrary() { return new CObjectLibrary(); }

}  // namespace

void InitRuntimeLibraries() {
  RegisterLibrary(LibrarySlot::kObject, &NewObjectLibrary);
}
