// Records of references and calls: name references (id 28: target, name,
// optional flag), member references (29: placeholder, COM value node, object
// expression), index references (30: key) and calls (31: callee, deferred
// flag, arguments).
//
// A name reference's stored target is the variable it was bound to when the
// tree was built; only a variable is accepted, since a reference to a
// reference would be followed without end. The placeholder and the COM value
// node are plain value nodes that the reference keeps for its own use.
#pragma once
#include "treeimage/value_streamers.h"

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
