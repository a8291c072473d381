// One input compiled as a module and run with a small budget of statements,
// as the run fuzzer and the corpus replay take it. The run is sealed off:
// output goes nowhere, and the built-ins that write or move files, read
// whole files or folders, load libraries or change process-wide settings
// raise instead of acting; only the libraries on plain values and script
// objects are in the chain.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "runtime/compile/compiler.h"
#include "runtime/lib/library_chain.h"

using namespace runtime;

// While it lives, the chain of every new context is the sealed one and
// compiles started by a script are quiet; the libraries and the compiler
// class before it come back when it goes. The runtime's libraries must be
// registered first.
class SealedRuns {
public:
  SealedRuns();
  ~SealedRuns();
  SealedRuns(const SealedRuns&) = delete;
  SealedRuns& operator=(const SealedRuns&) = delete;

private:
  LibraryFactory libraries_[static_cast<int>(LibrarySlot::kCount)];
  TCompilerClass compilerClass_;
};

// Devices never end: "use" of one would read until memory runs out.
bool NamesDevice(std::string_view bytes);

// Compiles (with or without messages), runs until the program ends, raises
// a script error or spends its statements, and unloads. Anything but a
// script error is a finding, and stops the run as a crash does.
void RunFuzzInput(std::string_view bytes, int32_t statements = 1000);
