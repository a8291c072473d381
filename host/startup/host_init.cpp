#include "host/startup/host_init.h"

#include "host/api_library.h"
#include "host/native_callback.h"
#include "host/native_function.h"
#include "runtime/builtin/builtin_library.h"
#include "runtime/callback/event_library.h"
#include "runtime/lib/library_chain.h"

#ifdef _WIN32
#include <objbase.h>

#include "host/com/dispatch_enumerator.h"
#include "host/com/event_sink.h"
#include "host/com/new_obj.h"
#include "host/com/ole_library.h"
#include "host/ui/ui_state.h"
#else
#include "runtime/builtin/builtin_args.h"
#include "runtime/error.h"
#include "runtime/tree/value_node.h"
#endif

using namespace runtime;

namespace host {

namespace {

#ifdef _WIN32
CLibrary* NewOleLibrary() { return new CLole(); }
#else
void DoToEvent(CContext&, CNode*, CValueList*, Value&) { RaiseError(QT("@toEvent: COM events need Windows")); }

// Without the window kit there is no "ui" library: asking for it says so
// rather than handing the script an empty value.
void DoGetLib(CContext&, CNode* receiver, CValueList*, Value&) {
  if (SameName(ReceiverText(receiver), QT("ui"))) RaiseError(QT("GetLib: the \"ui\" library needs Windows"));
}
#endif

CLibrary* NewBuiltinLibrary() {
  auto* library = new CBuiltinLibrary();
  library->AddHandler(QT("GetApi"), &DoGetApi);
#ifdef _WIN32
  library->AddHandler(QT("NewObj"), &DoNewObj);
#else
  library->AddHandler(QT("GetLib"), &DoGetLib);
#endif
  return library;
}

CLibrary* NewEventLibrary() {
  auto* library = new CEventLibrary();
  library->AddHandler(QT("@toCallback"), &DoToCallback);
  library->AddHandler(QT("@toEvent"), &DoToEvent);
  return library;
}

CLibrary* NewApiLibrary() { return new CApiLibrary(); }

}  // namespace

void InitHostLibraries() {
#ifdef _WIN32
  // Once for the process, apartment-threaded; never undone.
  static const HRESULT com = CoInitialize(nullptr);
  (void)com;
  RegisterLibrary(LibrarySlot::kCom, &NewOleLibrary);
  RegisterDispatchEnumerator(&NewDispatchEnumerator);
  ui::InitUiLibraries();
#endif
  RegisterLibrary(LibrarySlot::kBuiltin, &NewBuiltinLibrary);
  RegisterLibrary(LibrarySlot::kEvent, &NewEventLibrary);
  RegisterLibrary(LibrarySlot::kApi, &NewApiLibrary);
}

}  // namespace host
