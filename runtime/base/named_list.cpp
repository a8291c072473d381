#include "named_list.h"

#include <cstdint>

CNamedList::CNamedList(bool ownsItems) : items_(new CList(ownsItems)) {}

CNamedList::~CNamedList() {
  items_->Release();
  // Cleared here, while ReleaseItem still resolves to this class.
  Clear();
}

int32_t CNamedList::IndexOfName(TextView name) {
  auto position = reinterpret_cast<intptr_t>(IndexOf(name));
  return static_cast<int32_t>(position) - 1;
}

CBase* CNamedList::Find(TextView name) {
  int32_t index = IndexOfName(name);
  return index < 0 ? nullptr : items_->Get(index);
}

void CNamedList::Put(TextView name, CBase* item) {
  intptr_t next = items_->Count() + 1;
  auto position = reinterpret_cast<intptr_t>(FindOrInsert(name, reinterpret_cast<void*>(next), false, false));
  items_->Put(item, position == next ? -1 : static_cast<int32_t>(position - 1));
}

int32_t CNamedList::Add(CBase* item) { return items_->Put(item, -1); }
