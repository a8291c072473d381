// Dynamic libraries and their exports.
#pragma once
#include <string>

namespace platform {

using LibraryHandle = void*;

// nullptr on failure; LastErrorText then tells why.
LibraryHandle OpenLibrary(const std::u16string& name);
void* LibrarySymbol(LibraryHandle library, const std::string& name);
bool CloseLibrary(LibraryHandle library);

}  // namespace platform
