// The program's command-line arguments.
#pragma once
#include <string>
#include <vector>

namespace platform {

// The arguments after the program's own name. Natively main's bytes are read
// as UTF-8, as file names are; on Windows the wide command line is split
// instead, since main's bytes are in the ANSI code page and lose characters.
std::vector<std::u16string> CommandLineArguments(int argc, char** argv);

}  // namespace platform
