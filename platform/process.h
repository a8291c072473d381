// Starting another program and waiting for it to end.
#pragma once
#include <string>
#include <vector>

namespace platform {

// Runs the program with the arguments, each arriving as one argument however
// it is spelled, and waits for it. Its standard output and error go to
// outputFile (created anew) unless that is empty. The exit status, or -1
// when the program could not be started; natively a program ended by a
// signal gives 128 + the signal's number, as shells report it.
int RunProgram(const std::u16string& program, const std::vector<std::u16string>& arguments,
               const std::u16string& outputFile);

}  // namespace platform
