// Lists (id 1): item count, owns-items flag, the items as record references.
// The flag is fixed when a list is made, so the node factory reads it first.
#pragma once
#include "base/list.h"
#include "image/streamer.h"

class CListStreamer : public CStreamer {
public:
  void Load() override;
};

CBase* NewListNode(CStreamer& record);
// The owns-items flag of a list record's body.
bool ListOwnsItems(ByteCursor body);
