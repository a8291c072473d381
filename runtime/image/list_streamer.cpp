#include "image/list_streamer.h"

#include "image/bad_format.h"
#include "image/compact.h"

bool ListOwnsItems(ByteCursor body) {
  ReadCompactInt(body);
  return ReadCompactInt(body) != 0;
}

CBase* NewListNode(CStreamer& record) { return new CList(ListOwnsItems(record.Body())); }

// An owning list releases its items, so it holds them counted.
void CListStreamer::Load() {
  auto* list = NodeAs<CList>();
  const int32_t count = ReadCount();
  if (count > CList::kMaxIndex || ReadBool() != list->OwnsItems()) RaiseBadFormat();
  for (int32_t i = 0; i < count; ++i)
    list->Put(list->OwnsItems() ? ReadCountedRef() : ReadRecordRef(), -1);
  CStreamer::Load();
}
