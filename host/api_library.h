// The library of native function objects: any operation on one calls it.
#pragma once
#include "runtime/lib/library_chain.h"

namespace host {

using namespace runtime;

class CApiLibrary : public CLibrary {
public:
  // A receiver whose value holds a native function.
  bool Accepts(CNode* receiver) override;
  // Calls the receiver's function with the arguments whatever the name.
  bool Call(CContext& context, CNode* receiver, CallKind kind, Value& result, CValueList* args,
            TextView name) override;
};

}  // namespace host
