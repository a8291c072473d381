// Function records (id 22): the "base", "result" and "this" variables, the
// method flag, parameters, recursion levels, base function, local names and
// name. A function is made as its constructor would make it before Init:
// levels and an empty local-name table. What the record leaves out is made
// as Init makes it, and the local names are built from the variables, so
// that they name exactly those; the record's table, of any member of the
// trie family, is read and dropped.
#pragma once
#include "treeimage/control_streamers.h"

class CFunctionStreamer : public CCompoundStreamer {
public:
  static CBase* NewNode(CStreamer& record);

  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};
