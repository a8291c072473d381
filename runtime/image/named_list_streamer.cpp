#include "image/named_list_streamer.h"

#include <algorithm>

#include "image/bad_format.h"
#include "image/base_streamers.h"
#include "image/compact.h"
#include "image/image_reader.h"
#include "image/list_streamer.h"

CBase* NewNamedListNode(CStreamer& record) {
  ByteCursor body = record.Body();
  const int32_t inner = ReadCompactInt(body);
  if (inner == 0) return new CNamedList(false);
  const CImageReader::RecordView list = record.Reader().View(inner);
  if (list.classId != kListClassId) RaiseBadFormat();
  return new CNamedList(ListOwnsItems(list.body));
}

void CNamedListStreamer::Load() {
  inner_ = ReadConsumedRef<CList>();
  CTrieStreamer::Load();
}

void* CNamedListStreamer::ReadItem() {
  const int32_t position = ReadCompactInt();
  if (position < 1 || position > CList::kMaxIndex) RaiseBadFormat();
  lastPosition_ = std::max(lastPosition_, position);
  return reinterpret_cast<void*>(static_cast<intptr_t>(position));
}

// The inner list's references pass to the named list's own list as they are;
// emptying the record's list without releasing them leaves it to be freed.
void CNamedListStreamer::Finish() {
  CList& items = NodeAs<CNamedList>()->Items();
  if (inner_) {
    if (inner_->OwnsItems() != items.OwnsItems() || items.Count() != 0) RaiseBadFormat();
    for (int32_t i = 0; i < inner_->Count(); ++i)
      if (inner_->Get(i) && !AcceptsItem(inner_->Get(i))) RaiseBadFormat();
    for (int32_t i = 0; i < inner_->Count(); ++i) items.Put(inner_->Get(i), -1);
    inner_->SetCapacity(0);
  }
  if (lastPosition_ > items.Count()) RaiseBadFormat();
}
