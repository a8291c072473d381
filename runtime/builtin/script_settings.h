// Process-wide settings that the running program hands to the built-ins:
// its command-line arguments ("arg") and the default code page ("set").
#pragma once
#include <cstdint>
#include <vector>

#include "runtime/text.h"

namespace runtime {

// The arguments after the program's own path, as the runner received them.
void SetProgramArguments(std::vector<Text> arguments);
// 0 is the program's own path; any other number without an argument gives "".
Text ProgramArgument(int32_t index);

// The code page the 8-bit build hands texts to COM in; 0 is the system's.
int32_t DefaultCodePage();
void SetDefaultCodePage(int32_t codePage);

}  // namespace runtime
