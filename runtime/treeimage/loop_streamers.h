// Records of loops: loop and while (id 39: condition, stop flag), numeric
// for (40: limit, step, variable; the start in the condition slot) and for
// each (41: key, value and index variables; the collection in the condition
// slot). Key, index and step may be absent; what a pass needs may not.
#pragma once
#include "treeimage/control_streamers.h"

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
