// use "file" [as name]: runs at compile time. The module is loaded once per
// list of loaded modules and runs where it is first used.
#include "../parse/literal_value.h"
#include "../sys/file_text.h"
#include "../tree/block.h"
#include "../tree/statements.h"
#include "../tree/variable.h"
#include "build_parts.h"
#include "build_routines.h"
#include "module_loader.h"
#include "module_search.h"

namespace {

// use ":file" as x: x holds the file's text.
void UseText(const TRule& r, CBlock* scope, TextView name, TextView alias) {
  CCompiler& compiler = r.builder.Compiler();
  const Text path = FindModuleFile(name, compiler.Module());
  if (!ModuleFileExists(path)) {
    r.builder.Report(path + QT(" not found"));
    return;
  }
  CValue* text = compiler.MakeString(ReadFileText(path, 0), true);
  CValue* target = BoundNameRef(compiler, CVariable::Declare(scope, alias));
  r.builder.AddStatement(new CAssignStmt(scope, target, text));
}

// The module with one reference, or null when there is no such file.
CModule* FindOrLoad(const TRule& r, TextView name) {
  CCompiler& compiler = r.builder.Compiler();
  CModule* importing = compiler.Module();
  const Text path = ExpandFileName(FindModuleFile(name, importing));
  if (CModule* loaded = importing ? importing->FindLoaded(path) : nullptr) {
    loaded->AddRef();
    return loaded;
  }
  if (ModuleFileExists(path)) return LoadModuleFile(path, importing, compiler.OwnClass());
  r.builder.Report(path + QT(" not found"));
  return nullptr;
}

void Use(const TRule& r, TextView alias) {
  CBlock* scope = r.builder.Compiler().CurrentBlock();
  if (!scope) {
    r.builder.Report(QT("syntax error"));
    return;
  }
  const TextView name = StripQuotes(r.TextOf(2));
  if (!alias.empty() && !name.empty() && name[0] == ':') {
    UseText(r, scope, name.substr(1), alias);
    return;
  }
  if (CModule* module = FindOrLoad(r, name)) {
    scope->Declare(module, alias);
    module->Release();
  }
}

}  // namespace

void BuildUse(const TRule& r) { Use(r, {}); }

void BuildUseAs(const TRule& r) { Use(r, r.TextOf(4)); }
