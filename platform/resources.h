// Resources linked into the program file (Windows build only).
#pragma once
#include <string>

namespace platform {

// The raw bytes of the resource; natively always false.
bool ReadResource(const std::u16string& name, const std::u16string& type, std::string& bytes);

}  // namespace platform
