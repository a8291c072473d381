// Records of blocks (id 19: children, used modules, names, break flag) and
// modules (id 20). A block takes over the lists of its record in place of
// the empty ones it was made with. The children are nodes; the used modules
// are modules among the children, as a block's "use" makes them, so that
// lookups through them stay within the held tree; the names are variables,
// in a table of the trie family that the block rebuilds as its own.
//
// A module's place in the list of loaded modules is given by the loader that
// links it, and a module read from an image has no file name by which it
// could be found there, so the stored link and lookup counter are read and
// left. Modules are the tops of their trees: they have no owner.
#pragma once
#include "treeimage/node_streamer.h"

class CBlockStreamer : public CNodeStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;

private:
  int32_t namesRecord_ = 0;
};

class CModuleStreamer : public CBlockStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};
