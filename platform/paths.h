// Current folder, absolute names and the program's own file. Failures give an empty text.
#pragma once
#include <string>

namespace platform {

std::u16string CurrentFolder();
bool SetCurrentFolder(const std::u16string& path);
// Absolute name with "." and ".." resolved as text against the current folder.
std::u16string FullPath(const std::u16string& name);
std::u16string ProgramPath();

}  // namespace platform
