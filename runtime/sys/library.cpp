#include "sys/library.h"

#include "error.h"
#include "platform/errors.h"
#include "sys/os_text.h"
#include "sys/sys_util.h"

namespace {

Text LastErrorMessage() { return TextFromUtf16(platform::LastErrorText()); }

}  // namespace

platform::LibraryHandle LoadLibraryChecked(TextView name) {
  platform::LibraryHandle library = platform::OpenLibrary(Utf16FromText(name));
  if (!library) RaiseError(QT("LoadLibrary(") + Text(name) + QT("): ") + LastErrorMessage());
  return library;
}

void* GetProcAddressChecked(platform::LibraryHandle library, TextView name) {
  const std::string exportName = SystemBytesFromText(name);
  if (void* address = platform::LibrarySymbol(library, exportName)) return address;
  if (void* address = platform::LibrarySymbol(library, exportName + "W")) return address;
  const Text reason = LastErrorMessage();
  CSysUtil::FreeLibrary(library);
  RaiseError(QT("GetProcAddress(") + Text(name) + QT("): ") + reason);
}

void CSysUtil::FreeLibrary(platform::LibraryHandle library) {
  if (library) platform::CloseLibrary(library);
}
