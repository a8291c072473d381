// Closers: "end" with its word, and "}" for a "{" function.
#include "../tree/block.h"
#include "build_routines.h"

void BuildEnd(const TRule& r) { r.builder.Close(r.TextOf(2)); }

// The "}" that closes the function of a nested parse ends that parse.
void BuildCloseBrace(const TRule& r) {
  CCompound* closed = r.builder.Close(QT("{"));
  const CCompiler& compiler = r.builder.Compiler();
  if (closed && closed == compiler.Root() && compiler.Parent()) r.builder.EndNestedParse();
}
