#include "runtime/compile/module_loader.h"

#include <vector>

#include "runtime/stack_guard.h"
#include "runtime/sys/file_text.h"
#include "runtime/tree/block.h"
#include "runtime/compile/image_loader.h"
#include "runtime/compile/module_search.h"
#include "runtime/compile/tree_builder.h"
#include "runtime/base/ref.h"

namespace runtime {

namespace {

std::string TextAsBytes(TextView text) {
  std::string bytes;
  bytes.reserve(text.size());
  for (Char c : text) bytes.push_back(char(CodeUnit(c) & 0xFF));
  return bytes;
}

CModule* LoadImageModule(std::string bytes, CModule* anchor) {
  CModule* module = LoadImage(std::move(bytes));
  if (anchor) module->LinkTo(anchor);
  return module;
}

// A module that failed to compile may already be used by the modules it
// loaded; clearing it breaks those cycles.
void Discard(CModule* module) {
  module->Clear();
  module->Release();
}

CModule* CompileSource(Text text, TCompilerClass compilerClass, CModule* anchor, TextView fileName) {
  const Ref<CCompiler> compiler = Adopt(compilerClass());
  compiler->SetOwnClass(compilerClass);
  compiler->SetFileName(fileName);
  return CompileModule(*compiler, std::move(text), anchor);
}

}  // namespace

// A module's `use` compiles the used module inside this compile, so a chain
// of modules nests compiles as deep as the chain is long.
CModule* CompileModule(CCompiler& compiler, Text text, CModule* anchor) {
  CheckStackRoom();
  auto* module = new CModule(nullptr);
  try {
    if (!compiler.FileName().empty()) {
      module->SetFileName(ExpandFileName(compiler.FileName()));
      compiler.OnModuleSource(module->FileName(), text, module);
    }
    if (anchor) module->LinkTo(anchor);
    compiler.SetRoot(module);
    compiler.SetCurrent(module);
    TTreeBuilder(compiler).Parse(std::move(text));
  } catch (...) {
    Discard(module);
    throw;
  }
  return module;
}

CModule* LoadModule(Text text, TCompilerClass compilerClass, CModule* anchor, TextView fileName) {
  if (HasImageExtension(fileName)) return LoadImageModule(ReadFileBytes(fileName, kMaxTextFileBytes), anchor);
  std::string bytes = TextAsBytes(text);
  if (HoldsImage(bytes)) return LoadImageModule(std::move(bytes), anchor);
  return CompileSource(std::move(text), compilerClass, anchor, fileName);
}

CModule* LoadModuleBytes(std::string bytes, TCompilerClass compilerClass, CModule* anchor, TextView fileName) {
  if (HasImageExtension(fileName) || HoldsImage(bytes)) return LoadImageModule(std::move(bytes), anchor);
  int codePage = 0;
  Text text = TextFromFileBytes(std::move(bytes), codePage);
  return CompileSource(std::move(text), compilerClass, anchor, fileName);
}

CModule* LoadModuleFile(TextView fileName, CModule* anchor, TCompilerClass compilerClass) {
  if (!compilerClass) compilerClass = DefaultCompilerClass();
  return LoadModuleBytes(ReadFileBytes(fileName, kMaxTextFileBytes), compilerClass, anchor, fileName);
}

void UnloadModules(CModule* module) {
  if (!module) return;
  std::vector<CModule*> loaded;
  CModule* next = module;
  do {
    next->AddRef();
    loaded.push_back(next);
    next = next->Next();
  } while (next != module);
  for (CModule* each : loaded) each->Clear();
  for (CModule* each : loaded) each->Release();
  module->Release();
}

}  // namespace runtime
