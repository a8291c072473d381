// Environment variables of the process.
#pragma once
#include <string>

namespace platform {

// False when the variable is not set.
bool GetEnv(const std::u16string& name, std::u16string& value);
bool SetEnv(const std::u16string& name, const std::u16string& value);
bool UnsetEnv(const std::u16string& name);

}  // namespace platform
