#include <cerrno>
#include <dlfcn.h>

#include "platform/library.h"
#include "platform/posix/library_error.h"
#include "platform/posix/native.h"

namespace platform {

LibraryHandle OpenLibrary(const std::u16string& name) {
  void* library = ::dlopen(detail::NativePath(name).c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!library) detail::SetLibraryError(::dlerror());
  return library;
}

void* LibrarySymbol(LibraryHandle library, const std::string& name) {
  ::dlerror();
  void* symbol = ::dlsym(library, name.c_str());
  if (symbol) return symbol;
  const char* text = ::dlerror();
  // A symbol whose value is null is of no use to a caller either.
  detail::SetLibraryError(text ? text : (name + ": symbol has no address").c_str());
  return nullptr;
}

bool CloseLibrary(LibraryHandle library) {
  if (::dlclose(library) == 0) return true;
  detail::SetLibraryError(::dlerror());
  return false;
}

}  // namespace platform
