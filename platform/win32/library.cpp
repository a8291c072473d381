#include "platform/library.h"
#include "platform/win32/wide.h"

namespace platform {

LibraryHandle OpenLibrary(const std::u16string& name) {
  return reinterpret_cast<LibraryHandle>(::LoadLibraryW(detail::Wide(name)));
}

void* LibrarySymbol(LibraryHandle library, const std::string& name) {
  return reinterpret_cast<void*>(::GetProcAddress(static_cast<HMODULE>(library), name.c_str()));
}

bool CloseLibrary(LibraryHandle library) { return ::FreeLibrary(static_cast<HMODULE>(library)) != 0; }

}  // namespace platform
