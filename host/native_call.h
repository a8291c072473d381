// The machine side of native calls and callbacks, one implementation per
// backend: the 32-bit Windows build pushes words and writes 13-byte thunks
// itself, x86-64 (Linux and 64-bit Windows) goes through libffi.
#pragma once
#include <vector>

#include "host/signature.h"

namespace host {

using namespace runtime;

class CNativeCallback;

// Calls the export with one word per argument, first argument first, and
// returns its result word (the low 32 bits only for a 32-bit result letter).
NativeWord CallExport(void* address, const std::vector<NativeWord>& args, Char resultLetter);

// Machine code that native code calls like a function of the callback's
// signature; it hands the argument words to CNativeCallback::Dispatch.
class CThunk;
CThunk* NewThunk(CNativeCallback& callback);
void* ThunkAddress(const CThunk* thunk);
void DeleteThunk(CThunk* thunk);

}  // namespace host
