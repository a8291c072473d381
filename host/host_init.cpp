#include "host_init.h"

#include "api_library.h"
#include "native_callback.h"
#include "native_function.h"
#include "runtime/builtin/builtin_library.h"
#include "runtime/lib/event_library.h"
#include "runtime/lib/library_registry.h"

namespace host {

namespace {

CLibrary* NewBuiltinLibrary() {
  auto* library = new CBuiltinLibrary();
  library->AddHandler(QT("GetApi"), &DoGetApi);
  return library;
}

CLibrary* NewEventLibrary() {
  auto* library = new CEventLibrary();
  library->AddHandler(QT("@toCallback"), &DoToCallback);
  return library;
}

CLibrary* NewApiLibrary() { return new CApiLibrary(); }

}  // namespace

void InitHostLibraries() {
  RegisterLibrary(LibrarySlot::kBuiltin, &NewBuiltinLibrary);
  RegisterLibrary(LibrarySlot::kEvent, &NewEventLibrary);
  RegisterLibrary(LibrarySlot::kApi, &NewApiLibrary);
}

}  // namespace host
