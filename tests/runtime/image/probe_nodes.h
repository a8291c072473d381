// Node classes of the tests' own, registered at ids no runtime class uses:
// they plug into the loader the way the program-tree classes do, and count
// their living instances so that every test can check that nothing leaks.
#pragma once
#include <cstdint>

#include "runtime/base/list.h"
#include "runtime/image/base_streamers.h"
#include "runtime/image/streamer.h"
#include "support/live_object.h"
#include "runtime/text.h"
#include "runtime/value/value.h"

using namespace runtime;

inline constexpr int32_t kProbeClassId = 200;
inline constexpr int32_t kLeafClassId = 201;
inline constexpr int32_t kLeafListClassId = 202;

// Fields of group kProbeClassId.
enum ProbeField : int32_t { kProbeName, kProbeChild, kProbeOwner, kProbeValue, kProbeNumber };

class ProbeNode : public LiveObject {
public:
  ~ProbeNode() override { ReleaseObject(child); }

  Text name;
  CBase* child = nullptr;  // counted
  ProbeNode* owner = nullptr;
  Value value;
  int32_t number = 0;
};

class ProbeStreamer : public CStreamer {
public:
  void ReadFields(int32_t group, int32_t index) override;
};

// An owning named list of leaves only, as argument lists hold value nodes only.
class LeafList : public CNamedList {
public:
  LeafList() : CNamedList(true) {}
};

class LeafListStreamer : public CNamedListStreamer {
protected:
  bool AcceptsItem(CBase* item) const override;
};

void RegisterProbeStreamers();
