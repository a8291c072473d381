// The built-in functions: methods of plain values (texts, numbers, dates,
// empty values), the second library of the chain.
#pragma once
#include "runtime/lib/library_chain.h"

namespace runtime {

class CBuiltinLibrary : public CLibrary {
public:
  CBuiltinLibrary();

  // A value node whose value refers to no interpreter object; script
  // objects, functions and regex values go to the later libraries.
  bool Accepts(CNode* receiver) override;
};

}  // namespace runtime
