// Methods of match values: "match" searches on; "missed", "value", "rest",
// "gcount" and "groups" read the current match; "@@" is "value" and "@" is
// "groups".
#pragma once
#include "../lib/library_chain.h"

class CMatchLibrary : public CLibrary {
public:
  CMatchLibrary();

  // A receiver whose value refers to a match value.
  bool Accepts(CNode* receiver) override;
};
