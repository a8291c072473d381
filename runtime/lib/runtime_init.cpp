#include "runtime_init.h"

#include "../builtin/builtin_library.h"
#include "../compile/regex_literal.h"
#include "../objlib/object_library.h"
#include "../rxlib/match_library.h"
#include "../rxlib/regex_library.h"
#include "../treeimage/module_image.h"
#include "library_registry.h"

namespace {

CLibrary* NewBuiltinLibrary() { return new CBuiltinLibrary(); }
CLibrary* NewObjectLibrary() { return new CObjectLibrary(); }
CLibrary* NewRegexLibrary() { return new CRegexLibrary(); }
CLibrary* NewMatchLibrary() { return new CMatchLibrary(); }

}  // namespace

void InitRuntimeLibraries() {
  RegisterLibrary(LibrarySlot::kBuiltin, &NewBuiltinLibrary);
  RegisterLibrary(LibrarySlot::kRegex, &NewRegexLibrary);
  RegisterLibrary(LibrarySlot::kMatch, &NewMatchLibrary);
  RegisterRegexLiteralMaker(&NewRegexLiteral);
  RegisterLibrary(LibrarySlot::kObject, &NewObjectLibrary);
  InitCompiledImages();
}
