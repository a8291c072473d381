// The first library of the chain: member calls, reads and writes on values
// that hold an IDispatch become late-bound invocations. A call name
// "@Name(index...)" reads an indexed property, "@@Name(index..., value)"
// writes one.
#pragma once
#include "runtime/lib/library_chain.h"

namespace host {

using namespace runtime;

class CLole : public CLibrary {
public:
  bool Accepts(CNode* receiver) override;
  // Every name is the server's to answer, so an accepted call is handled.
  bool Call(CContext& context, CNode* receiver, CallKind kind, Value& result, CValueList* args,
            TextView name) override;
};

}  // namespace host
