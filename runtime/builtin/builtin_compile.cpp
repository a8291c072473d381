// "compile": a module made from a file found by the "use" search, or from
// the receiver's text itself.
#include "../compile/compiler.h"
#include "../compile/module_loader.h"
#include "../compile/module_search.h"
#include "../lib/context.h"
#include "../tree/block.h"
#include "../tree/value_node.h"
#include "builtin_args.h"
#include "builtin_handlers.h"

namespace {

// Longer texts are always source.
constexpr size_t kMaxModuleName = 255;

CModule* EnclosingModule(CNode* node) {
  for (; node; node = node->Owner())
    if (auto* module = dynamic_cast<CModule*>(node)) return module;
  return nullptr;
}

// A new module with one reference, linked with the importer's modules.
CModule* LoadCompiled(const Text& text, CModule* importer) {
  if (text.size() <= kMaxModuleName) {
    const Text path = FindModuleFile(text, importer);
    if (ModuleFileExists(path)) return LoadModuleFile(path, importer);
  }
  return LoadModule(text, DefaultCompilerClass(), importer, QT(""));
}

}  // namespace

// The importer is the module of the calling statement. An inline module
// resolves its names through the scopes of that statement.
void DoCompile(CContext& context, CNode* receiver, CValueList* args, Value& result) {
  CNode* caller = context.CurrentNode() ? context.CurrentNode() : receiver;
  CModule* module = LoadCompiled(ReceiverText(receiver), EnclosingModule(caller));
  if (CValueList::GetBool(args, QT("inline"), false, 0)) module->SetOwner(caller);
  result.SetCountedObject(module);
  module->Release();
}
