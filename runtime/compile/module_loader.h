// Loading modules: a compiled image or source text becomes a module linked
// into the circular list of loaded modules after an anchor (no anchor: a list
// of its own). Compile errors go to the compile context and compilation goes
// on; file and image failures raise and no module is made.
#pragma once
#include <string>

#include "runtime/compile/compiler.h"

namespace runtime {

class CModule;

// Compiles the text into a new module with the context's root and current
// block; with a file name the module gets the expanded path, and the context
// may replace the source first.
CModule* CompileModule(CCompiler& compiler, Text text, CModule* anchor);
// A text: a compiled image when the file name has an image's extension or the
// text, one byte per character, ends with a well-formed image; else source,
// compiled by a new context of the class.
CModule* LoadModule(Text text, TCompilerClass compilerClass, CModule* anchor, TextView fileName);
// A file's bytes: an image as above, else source text by its byte-order mark
// or the system code page.
CModule* LoadModuleBytes(std::string bytes, TCompilerClass compilerClass, CModule* anchor, TextView fileName);
// Without a class the process-wide default compiles.
CModule* LoadModuleFile(TextView fileName, CModule* anchor, TCompilerClass compilerClass = nullptr);

// Lets go of the caller's reference to a module after dropping what the
// modules of its list hold of each other, so that modules that use each
// other are freed too.
void UnloadModules(CModule* module);

}  // namespace runtime
