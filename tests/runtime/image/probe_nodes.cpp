#include "probe_nodes.h"

#include "runtime/image/streamer.h"

using namespace runtime;

void ProbeStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != kProbeClassId) return CStreamer::ReadFields(group, index);
  auto* probe = NodeAs<ProbeNode>();
  switch (index) {
    case kProbeName: probe->name = ReadText(); break;
    case kProbeChild: probe->child = ReadCountedRef(); break;
    case kProbeOwner: probe->owner = ReadRecordRef<ProbeNode>(); break;
    case kProbeValue: probe->value = ReadValue(); break;
    case kProbeNumber: probe->number = ReadCompactInt(); break;
    default: RaiseBadFormat();
  }
}

bool LeafListStreamer::AcceptsItem(CBase* item) const {
  return dynamic_cast<LiveObject*>(item) && !dynamic_cast<ProbeNode*>(item);
}

void RegisterProbeStreamers() {
  RegisterStreamer(NewStreamer<ProbeStreamer>, NewPlainNode<ProbeNode>, kProbeClassId);
  RegisterStreamer(NewStreamer<CStreamer>, NewPlainNode<LiveObject>, kLeafClassId);
  RegisterStreamer(NewStreamer<LeafListStreamer>, NewPlainNode<LeafList>, kLeafListClassId);
}
