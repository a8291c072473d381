#include "runtime_init.h"

#include "../builtin/builtin_library.h"
#include "../builtin/script_settings.h"
#include "../callback/event_library.h"
#include "../compile/console_compiler.h"
#include "../compile/regex_literal.h"
#include "../lib/library_chain.h"
#include "../objlib/object_library.h"
#include "../parse/key_alias.h"
#include "../rxlib/match_library.h"
#include "../rxlib/regex_library.h"
#include "../sys/file_text.h"
#include "../treeimage/module_image.h"

namespace {

CLibrary* NewBuiltinLibrary() { return new CBuiltinLibrary(); }
CLibrary* NewObjectLibrary() { return new CObjectLibrary(); }
CLibrary* NewRegexLibrary() { return new CRegexLibrary(); }
CLibrary* NewMatchLibrary() { return new CMatchLibrary(); }
CLibrary* NewEventLibrary() { return new CEventLibrary(); }

}  // namespace

void InitRuntimeLibraries() {
  RegisterLibrary(LibrarySlot::kBuiltin, &NewBuiltinLibrary);
  RegisterLibrary(LibrarySlot::kRegex, &NewRegexLibrary);
  RegisterLibrary(LibrarySlot::kMatch, &NewMatchLibrary);
  RegisterRegexLiteralMaker(&NewRegexLiteral);
  RegisterLibrary(LibrarySlot::kObject, &NewObjectLibrary);
  RegisterLibrary(LibrarySlot::kEvent, &NewEventLibrary);
  InitCompiledImages();
}

void ResetRunState() {
  CConsoleCompiler::ResetErrorCount();
  SetCompileErrorPrinter(nullptr);
  SetDefaultCompilerClass(&NewConsoleCompiler);
  SetCurrentContext(nullptr);
  SetProgramArguments({});
  SetDefaultCodePage(0);
  ClearKeyAliases();
  ResetLastFileCodePage();
}
