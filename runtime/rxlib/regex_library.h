// Methods of regular-expression values: "match" and "replace".
#pragma once
#include "../lib/library_chain.h"

class CRegexLibrary : public CLibrary {
public:
  CRegexLibrary();

  // A receiver whose value refers to a regular-expression value.
  bool Accepts(CNode* receiver) override;
};
