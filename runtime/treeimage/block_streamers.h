// Records of blocks, modules, compounds, and the choice, try and loop
// statements.
#pragma once
#include "runtime/treeimage/node_streamer.h"

namespace runtime {

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

// Records of compounds (ids 21 and 36: the body block) and of the choice and
// try statements: select (37: conditions and else block), case (38: "@" and
// selector) and try (44: "@", except and finally blocks).
class CCompoundStreamer : public CLineStatementStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
};

// Conditions are value nodes in an owning list, one per branch block.
class CSelectNodeStreamer : public CCompoundStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

class CCaseNodeStreamer : public CSelectNodeStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

// An except block without its "@" variable gets one, as on its first use.
class CTryNodeStreamer : public CCompoundStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;

private:
  int32_t exceptRecord_ = 0;
};

// Records of loops: loop and while (id 39: condition, stop flag), numeric
// for (40: limit, step, variable; the start in the condition slot) and for
// each (41: key, value and index variables; the collection in the condition
// slot). Key, index and step may be absent; what a pass needs may not.
class CLoopNodeStreamer : public CCompoundStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
};

class CForNodeStreamer : public CLoopNodeStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

class CForEachNodeStreamer : public CLoopNodeStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

}  // namespace runtime
