// The families of the built-in library. Each family file declares its
// handlers and adds them to the library itself, so a new built-in is written
// in one place. Each handler gets the receiver node (its value holds no
// object reference) and the call's arguments, and writes its result into
// result (null on entry) or raises.
#pragma once
#include "runtime/lib/library_chain.h"

namespace runtime {

// builtin_program.cpp: "@uthor", "arg", "set", the host bridge, "compile".
void AddProgramBuiltins(CLibrary& library);
// builtin_numbers.cpp: "exp", "log", "sin", "cos", "atan", "random", "time".
void AddNumberBuiltins(CLibrary& library);
// builtin_text.cpp: lengths, cases, parts, codes, "x", digests, "eval", and
// the regex operations on texts.
void AddTextBuiltins(CLibrary& library);
// builtin_conversions.cpp: "format", "toStr", "toNum", "toTime", "GetJson".
void AddConversionBuiltins(CLibrary& library);
// text_storage.cpp: "fromByte".
void AddStorageBuiltins(CLibrary& library);
// builtin_files.cpp: "load", "save", "hash", "copy", "move", "size", "find".
void AddFileBuiltins(CLibrary& library);

// The memory form of "move" (text_storage.cpp); "move" hands integer
// destinations to it.
void MoveInText(CNode* receiver, CValueList* args);

}  // namespace runtime
