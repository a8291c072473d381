// Methods of script objects: "@count", "@length", "@each", "@add", "@clone"
// and "@toJson".
#pragma once
#include "../lib/library_chain.h"

class CObjectLibrary : public CLibrary {
public:
  CObjectLibrary();

  // A receiver whose value refers to a script object (literal, list, record
  // or class instance).
  bool Accepts(CNode* receiver) override;
};
