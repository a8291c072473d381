#include "fuzz_run.h"

#include <algorithm>

#include "runtime/builtin/builtin_args.h"
#include "runtime/compile/module_loader.h"
#include "runtime/error.h"
#include "runtime/lib/context.h"
#include "runtime/lib/library_chain.h"
#include "support/test_compilers.h"
#include "support/text_util.h"
#include "runtime/sys/sys_util.h"
#include "runtime/tree/block.h"
#include "runtime/tree/value_node.h"

#if defined(__SANITIZE_ADDRESS__)
#define QEL_LEAK_CHECKS 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QEL_LEAK_CHECKS 1
#endif
#endif
#ifdef QEL_LEAK_CHECKS
#include <sanitizer/lsan_interface.h>
#endif

using namespace runtime;

namespace {

// Reference counting does not free the cycles a script may build (an object
// holding itself), so what a run allocates is left out of the leak checks;
// compiling and unloading stay in them.
class CRunLeaksIgnored {
public:
#ifdef QEL_LEAK_CHECKS
  CRunLeaksIgnored() { __lsan_disable(); }
  ~CRunLeaksIgnored() { __lsan_enable(); }
#else
  CRunLeaksIgnored() = default;
#endif
  CRunLeaksIgnored(const CRunLeaksIgnored&) = delete;
  CRunLeaksIgnored& operator=(const CRunLeaksIgnored&) = delete;
};

// Built-ins whose effects reach past the run.
constexpr const Char* kSealedBuiltins[] = {
    QT("save"), QT("copy"), QT("move"),      // write, move or delete files
    QT("load"), QT("hash"), QT("find"),      // read devices without end, walk the file system
    QT("GetLib"), QT("GetApi"), QT("NewObj"),  // libraries, native calls, COM servers
    QT("set"),                               // settings of the whole process
};

// The libraries on plain values and script objects; COM, native calls,
// script function events and the user interface stay out.
bool IsSealedChainSlot(LibrarySlot slot) {
  return slot == LibrarySlot::kBuiltin || slot == LibrarySlot::kRegex || slot == LibrarySlot::kMatch ||
         slot == LibrarySlot::kObject;
}

bool IsSealed(TextView name) {
  return std::any_of(std::begin(kSealedBuiltins), std::end(kSealedBuiltins),
                     [&](const Char* sealed) { return SameName(name, sealed); });
}

// Prints nowhere; raises once its statements are spent, so that loops and
// recursion end.
class CFuzzRunContext : public CRunner {
public:
  explicit CFuzzRunContext(int32_t statements) : left_(statements) { WantStatements(); }

  bool Call(CNode* receiver, TextView name, CallKind kind, Value& result, CValueList* args) override {
    if (IsSealed(name)) RaiseError(Text(name) + QT(": not available in fuzz runs"));
    // "compile" loads a file the text names; a device would never end.
    if (SameName(name, QT("compile")) && NamesDevice(Narrow(ReceiverText(receiver))))
      RaiseError(QT("compile: devices are not read in fuzz runs"));
    return CRunner::Call(receiver, name, kind, result, args);
  }
  CContext* NewContext() override { return new CFuzzRunContext(left_); }
  void Print(TextView) override {}
  void BeforeStatement(CNode* node) override {
    if (--left_ < 0) RaiseError(QT("statements spent"));
    CRunner::BeforeStatement(node);
  }

private:
  int32_t left_;
};

void RunModule(CModule* module, int32_t statements) {
  [[maybe_unused]] CRunLeaksIgnored ignored;
  auto* context = new CFuzzRunContext(statements);
  SetCurrentContext(context);
  try {
    module->Execute(*context);
  } catch (const EScriptError&) {
    // Errors are how most odd programs end.
  }
  SetCurrentContext(nullptr);
  context->Release();
}

}  // namespace

SealedRuns::SealedRuns() : compilerClass_(DefaultCompilerClass()) {
  for (int slot = 0; slot < static_cast<int>(LibrarySlot::kCount); ++slot) {
    libraries_[slot] = RegisteredLibrary(LibrarySlot(slot));
    if (!IsSealedChainSlot(LibrarySlot(slot))) RegisterLibrary(LibrarySlot(slot), nullptr);
  }
  SetDefaultCompilerClass(&NewQuietCompiler);
}

SealedRuns::~SealedRuns() {
  for (int slot = 0; slot < static_cast<int>(LibrarySlot::kCount); ++slot)
    RegisterLibrary(LibrarySlot(slot), libraries_[slot]);
  SetDefaultCompilerClass(compilerClass_);
}

bool NamesDevice(std::string_view bytes) {
  std::string path(bytes);
  std::replace(path.begin(), path.end(), '\\', '/');
  return path.find("/dev") != std::string::npos || path.find("/proc") != std::string::npos;
}

void RunFuzzInput(std::string_view bytes, int32_t statements) {
  try {
    CModule* module = LoadModule(Widen(bytes), &NewQuietCompiler, nullptr, {});
    RunModule(module, statements);
    UnloadModules(module);
  } catch (const EScriptError&) {
    // A missing base class or an unreadable "use" file ends a compile.
  }
}
