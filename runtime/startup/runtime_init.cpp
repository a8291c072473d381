#include "runtime/startup/runtime_init.h"

#include <algorithm>
#include <vector>

#include "runtime/builtin/builtin_library.h"
#include "runtime/builtin/script_settings.h"
#include "runtime/callback/event_library.h"
#include "runtime/compile/console_compiler.h"
#include "runtime/compile/regex_literal.h"
#include "runtime/lib/library_chain.h"
#include "runtime/objlib/object_library.h"
#include "runtime/parse/key_alias.h"
#include "runtime/rxlib/match_library.h"
#include "runtime/rxlib/regex_library.h"
#include "runtime/sys/file_text.h"
#include "runtime/treeimage/module_image.h"

namespace runtime {

namespace {

CLibrary* NewBuiltinLibrary() { return new CBuiltinLibrary(); }
CLibrary* NewObjectLibrary() { return new CObjectLibrary(); }
CLibrary* NewRegexLibrary() { return new CRegexLibrary(); }
CLibrary* NewMatchLibrary() { return new CMatchLibrary(); }
CLibrary* NewEventLibrary() { return new CEventLibrary(); }

std::vector<RunStateReset>& RegisteredResets() {
  static std::vector<RunStateReset> resets;
  return resets;
}

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
#ifndef QEL_ANSI
  ClearKeyAliases();
#endif
  ResetLastFileCodePage();
  for (RunStateReset reset : RegisteredResets()) reset();
}

void RegisterRunStateReset(RunStateReset reset) {
  std::vector<RunStateReset>& resets = RegisteredResets();
  if (reset && std::find(resets.begin(), resets.end(), reset) == resets.end()) resets.push_back(reset);
}

}  // namespace runtime
