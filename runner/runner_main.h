// The runner program: runs one script and returns the exit status.
#pragma once
#include <string>
#include <vector>

// The arguments after the program's own path.
int RunnerMain(const std::vector<std::u16string>& arguments);
