// A library of the chain: a table from operation names to handlers and a test
// of which receivers it serves.
#pragma once
#include <vector>

#include "../base/trie.h"
#include "context.h"

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

  CHandlerNames* names_;
  std::vector<LibraryHandler> handlers_;
};
