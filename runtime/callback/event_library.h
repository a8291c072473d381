// Operations on script functions ("@toEvent", "@toCallback"); the host
// bridge adds their handlers.
#pragma once
#include "runtime/lib/library_chain.h"

namespace runtime {

class CEventLibrary : public CLibrary {
public:
  // A receiver whose value holds a script function.
  bool Accepts(CNode* receiver) override;
};

}  // namespace runtime
