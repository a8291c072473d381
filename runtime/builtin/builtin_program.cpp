// "@uthor", "arg", "set", the host bridge ("GetLib", "GetApi", "NewObj") and
// "compile": a module made from a file found by the "use" search, or from the
// receiver's text itself.
#include <array>

#include "runtime/compile/compiler.h"
#include "runtime/compile/module_loader.h"
#include "runtime/compile/module_search.h"
#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "runtime/lib/library_chain.h"
#include "runtime/tree/block.h"
#include "runtime/tree/value_node.h"
#include "runtime/value/convert.h"
#include "runtime/builtin/builtin_args.h"
#include "runtime/builtin/builtin_families.h"
#include "runtime/builtin/script_settings.h"
#include "platform/codepage.h"
#include "runtime/base/ref.h"

namespace runtime {

namespace {

// The answer to the trigger text, kept out of plain sight in the program file.
constexpr std::array<unsigned char, 13> kScrambledAnswer{0x61, 0x4F, 0x4F, 0x5A, 0x0A, 0x43, 0x5E,
                                                         0x0A, 0x59, 0x47, 0x4B, 0x46, 0x46};
constexpr unsigned char kScrambleKey = 0x2A;

Text Unscrambled() {
  Text text;
  for (unsigned char c : kScrambledAnswer) text += Char(c ^ kScrambleKey);
  return text;
}

#ifdef _WIN32
constexpr bool kOnWindows = true;
#else
constexpr bool kOnWindows = false;
#endif

[[noreturn]] void RaiseMissingFeature(TextView nameAndFeature) {
  RaiseError(Text(nameAndFeature) + (kOnWindows ? QT(" are not available yet") : QT(" need Windows")));
}

void DoAuthor(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetText(ReceiverText(receiver) == QT("K vo") ? Unscrambled() : Text(QT("The Qel developers")));
}

void DoArg(CContext&, CNode* receiver, CValueList*, Value& result) {
  result.SetText(ProgramArgument(ReceiverInt(receiver)));
}

// qel converts every text for COM through this code page: one that converts
// nothing would make them all empty, so it is refused here.
void CheckDefaultCodePage([[maybe_unused]] int32_t codePage) {
#ifdef QEL_ANSI
  std::u16string converted;
  if (codePage != 0 && !platform::DecodeCodePage(codePage, "", converted))
    RaiseError(QT("defaultCodePage: unknown code page ") + DecimalText(codePage));
#endif
}

void DoSet(CContext&, CNode* receiver, CValueList* args, Value&) {
  if (!SameName(ReceiverText(receiver), QT("defaultCodePage"))) return;
  const int32_t codePage = ToInt32(ArgValueAt(args, 0));
  CheckDefaultCodePage(codePage);
  SetDefaultCodePage(codePage);
}

// A plain reference: the ui library lives for the whole process.
void DoGetLib(CContext&, CNode* receiver, CValueList*, Value& result) {
  if (!SameName(ReceiverText(receiver), QT("ui"))) return;
  LibraryFactory ui = NamedLibrary(QT("ui"));
  if (!ui) return;
  const Ref<CLibrary> library = Adopt(ui());
  result.SetObject(library);
}

void DoGetApi(CContext&, CNode*, CValueList*, Value&) { RaiseMissingFeature(QT("GetApi: native functions")); }

void DoNewObj(CContext&, CNode*, CValueList*, Value&) { RaiseMissingFeature(QT("NewObj: COM objects")); }

// "compile": a module made from a file found by the "use" search, or from
// the receiver's text itself.

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

// The importer is the module of the calling statement. An inline module
// resolves its names through the scopes of that statement.
void DoCompile(CContext& context, CNode* receiver, CValueList* args, Value& result) {
  CNode* caller = context.CurrentNode() ? context.CurrentNode() : receiver;
  const Ref<CModule> module = Adopt(LoadCompiled(ReceiverText(receiver), EnclosingModule(caller)));
  if (CValueList::GetBool(args, QT("inline"), false, 0)) module->SetOwner(caller);
  result.SetCountedObject(module);
}

}  // namespace

void AddProgramBuiltins(CLibrary& library) {
  library.AddHandler(QT("@uthor"), &DoAuthor);
  library.AddHandler(QT("arg"), &DoArg);
  library.AddHandler(QT("set"), &DoSet);
  library.AddHandler(QT("GetLib"), &DoGetLib);
  library.AddHandler(QT("GetApi"), &DoGetApi);
  library.AddHandler(QT("NewObj"), &DoNewObj);
  library.AddHandler(QT("compile"), &DoCompile);
}

}  // namespace runtime
