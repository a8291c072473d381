// The runtime's start-up and the reset between runs. This folder sits above
// every other runtime folder: it assembles the libraries of the chain, which
// the chain itself (runtime/lib) knows only by slot.
#pragma once

namespace runtime {

// Registers the libraries of the chain that the runtime provides and the
// reader of compiled images. Called once at start-up (by the runners and by
// tests), since a static library's registering objects would be dropped by
// the linker. What it registers is the same for every run of the process.
void InitRuntimeLibraries();

// Puts back every setting that one run or compile leaves in the process, as
// it was at start-up: the console compilers' error count and printer, the
// default compiler class, the current context, the program's arguments, the
// default code page, the key-alias table and the code page of the last file
// read. A program that runs several scripts calls it before each run and
// after the last; the registrations of start-up stay.
void ResetRunState();

}  // namespace runtime
