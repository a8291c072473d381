#include "treeimage/node_streamer.h"

#include <vector>

#include "image/bad_format.h"
#include "image/image_reader.h"
#include "tree/node.h"

namespace {

enum NodeField : int32_t { kName = 0, kOwner = 1 };

}  // namespace

void CNodeStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kNode)) return CStreamer::ReadFields(group, index);
  auto* node = NodeAs<CNode>();
  switch (index) {
    case kName:
      node->SetName(ReadText());
      break;
    case kOwner:
      node->SetOwner(ReadRefAndRecord<CNode>(ReferenceKind::kPlain, ownerRecord_));
      break;
    default:
      RaiseBadFormat();
  }
}

void CNodeStreamer::Finish() { OwnerDepth(); }

// Walks up to the first owner whose depth is known, then gives the depths
// back down, so that every record is walked once however the chains share.
// Meeting a record of the same walk again closes a loop.
int32_t CNodeStreamer::OwnerDepth() {
  std::vector<CNodeStreamer*> chain;
  CNodeStreamer* at = this;
  while (at->ownerDepth_ == kDepthUnknown && at->ownerRecord_ != 0) {
    at->ownerDepth_ = kDepthOnWalk;
    chain.push_back(at);
    at = &NodeStreamerOf(at->ownerRecord_);
  }
  if (at->ownerDepth_ == kDepthOnWalk) RaiseBadFormat();
  if (at->ownerDepth_ == kDepthUnknown) at->ownerDepth_ = 0;
  int32_t depth = at->ownerDepth_;
  for (auto it = chain.rbegin(); it != chain.rend(); ++it) (*it)->ownerDepth_ = ++depth;
  return ownerDepth_;
}

CNodeStreamer& CNodeStreamer::NodeStreamerOf(int32_t record) const {
  auto* streamer = dynamic_cast<CNodeStreamer*>(&Reader().StreamerOf(record));
  if (!streamer) RaiseBadFormat();
  return *streamer;
}

CBase* CNodeStreamer::ResolveNode(ReferenceKind kind, bool (*isClass)(CBase*), int32_t& record) {
  record = ReadCompactInt();
  if (record == 0) return nullptr;
  CBase* node = Reader().Resolve(Record(), record, kind, isClass);
  if (kind == ReferenceKind::kCounted) node->AddRef();
  return node;
}

void CLineStatementStreamer::ReadFields(int32_t group, int32_t index) {
  if (group != GroupOf(ClassId::kLineStatement)) return CNodeStreamer::ReadFields(group, index);
  if (index != 0) RaiseBadFormat();
  NodeAs<CLineStatement>()->SetLine(ReadCompactInt());
}

void RequireNode(const void* node) {
  if (!node) RaiseBadFormat();
}
