#include "treeimage/value_list_streamer.h"

#include "image/bad_format.h"
#include "image/image_reader.h"
#include "tree/value_node.h"

bool CValueListStreamer::AcceptsItem(CBase* item) const {
  CNode* node = item->AsNode();
  CValue* value = node ? node->AsValue() : nullptr;
  return value && (!variablesOnly_ || value->IsVariable());
}

CBase* NewValueListNode(CStreamer&) { return new CValueList(); }

CValueListStreamer& ValueListStreamerOf(const CStreamer& holder, int32_t record) {
  auto* streamer = dynamic_cast<CValueListStreamer*>(&holder.Reader().StreamerOf(record));
  if (!streamer) RaiseBadFormat();
  return *streamer;
}
