// The library chain: libraries (a table from operation names to handlers and
// a test of which receivers they serve), the registry the chain is built
// from, one slot per position, and CRunner, the context that asks the chain.
// Libraries of features a build lacks are never registered and simply drop
// out of the chain.
#pragma once
#include <array>
#include <vector>

#include "runtime/base/list.h"
#include "runtime/base/trie.h"
#include "runtime/lib/context.h"

namespace runtime {

// Writes its result into result (null on entry); failure raises.
using LibraryHandler = void (*)(CContext& context, CNode* receiver, CValueList* args, Value& result);

class CLibrary : public CBase {
public:
  CLibrary();
  ~CLibrary() override;

  virtual bool Accepts(CNode* receiver);
  // The call kind matters only to the COM library.
  virtual bool Call(CContext& context, CNode* receiver, CallKind kind, Value& result, CValueList* args,
                    TextView name);

  // A later entry of the same name replaces the earlier one.
  void AddHandler(TextView name, LibraryHandler handler);
  // Null when the name is unknown (names ignore ASCII case).
  LibraryHandler Find(TextView name);

private:
  // Maps a name to its 1-based position in handlers_.
  class CHandlerNames : public CTrie {
  public:
    ~CHandlerNames() override { Clear(); }
    void ReleaseItem(void*) override {}
  };

  // Names asked for lately, spelled as asked, with what the trie gave
  // (null too): a script calls the same few names again and again.
  struct RecentName {
    Text name;
    LibraryHandler handler = nullptr;
    bool filled = false;
  };
  static constexpr size_t kRecentNames = 8;
  static size_t RecentSlot(TextView name);

  CHandlerNames* names_;
  std::vector<LibraryHandler> handlers_;
  std::array<RecentName, kRecentNames> recent_;
};

// Chain positions, asked in this order. A library a later subsystem adds
// gets its slot here, at its place in the order, when it is added.
enum class LibrarySlot {
  kCom,      // COM objects
  kBuiltin,  // built-ins on plain values
  kRegex,    // regex values
  kMatch,    // match values
  kObject,   // script objects
  kEvent,    // script functions
  kApi,      // native function objects
  kUi,       // the process-wide "ui" library
  kForm,     // the process-wide form object, serving every form object
  kCount
};

// Returns a reference the chain takes over: a new library, or a process-wide
// one with an extra reference taken.
using LibraryFactory = CLibrary* (*)();

// A null factory empties the slot. Registering is start-up work, the same for
// every run of the process.
void RegisterLibrary(LibrarySlot slot, LibraryFactory factory);
LibraryFactory RegisteredLibrary(LibrarySlot slot);

// Process-wide libraries that scripts fetch by name ("GetLib"), registered by
// the subsystem that provides them; null for a name nobody registered. A null
// factory takes the name away.
void RegisterNamedLibrary(TextView name, LibraryFactory factory);
LibraryFactory NamedLibrary(TextView name);

// The context that answers member calls through the ordered library chain.
class CRunner : public CContext {
public:
  // Builds the chain from the registered libraries, in slot order.
  CRunner();
  ~CRunner() override;

  // The first accepting library that knows the name handles the call.
  bool Call(CNode* receiver, TextView name, CallKind kind, Value& result, CValueList* args) override;
  CContext* NewContext() override;

  int32_t LibraryCount() const { return chain_->Count(); }
  CLibrary* Library(int32_t index) const;

private:
  CList* chain_;  // owning
};

}  // namespace runtime
