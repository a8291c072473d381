// Records of references, calls and functions.
#pragma once
#include "runtime/treeimage/block_streamers.h"
#include "runtime/treeimage/value_streamers.h"

namespace runtime {

// Records of references and calls: name references (id 28: target, name,
// optional flag), member references (29: placeholder, COM value node, object
// expression), index references (30: key) and calls (31: callee, deferred
// flag, arguments).
//
// A name reference's stored target is the variable it was bound to when the
// tree was built; only a variable is accepted, since a reference to a
// reference would be followed without end. The placeholder and the COM value
// node are plain value nodes that the reference keeps for its own use.
class CNameRefStreamer : public CValueStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
};

class CMemberRefStreamer : public CNameRefStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

class CIndexRefStreamer : public CMemberRefStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

class CCallStreamer : public CValueStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

// Function records (id 22): the "base", "result" and "this" variables, the
// method flag, parameters, recursion levels, base function, local names and
// name. A function is made as its constructor would make it before Init:
// levels and an empty local-name table. What the record leaves out is made
// as Init makes it, and the local names are built from the variables, so
// that they name exactly those; the record's table, of any member of the
// trie family, is read and dropped.
class CFunctionStreamer : public CCompoundStreamer {
public:
  static CBase* NewNode(CStreamer& record);

  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;
};

}  // namespace runtime
