#include "runtime/base/list.h"

#include <cstdint>
#include <cstdlib>
#include <new>

#include "runtime/error.h"

namespace runtime {

CList::CList(bool ownsItems) : ownsItems_(ownsItems) {}

CList::~CList() {
  CList::Clear();
  SetCapacity(0);
}

void CList::Clear() {
  if (ownsItems_) {
    for (int32_t i = count_ - 1; i >= 0; --i) {
      CBase* item = items_[i];
      items_[i] = nullptr;
      ReleaseObject(item);
    }
  }
  count_ = 0;
}

void CList::Grow() {
  SetCapacity(capacity_ == 0 ? 16 : capacity_ * 2);
}

void CList::SetCapacity(int32_t capacity) {
  if (capacity == 0) {
    std::free(items_);
    items_ = nullptr;
  } else {
    void* grown = std::realloc(items_, sizeof(CBase*) * static_cast<size_t>(capacity));
    if (!grown) throw std::bad_alloc();
    items_ = static_cast<CBase**>(grown);
    for (int32_t i = capacity_; i < capacity; ++i) items_[i] = nullptr;
  }
  capacity_ = capacity;
  if (count_ > capacity_) count_ = capacity_;
}

int32_t CList::PutGrowing(CBase* item, int32_t index) {
  if (index < 0) index = count_;
  if (index >= kMaxIndex) RaiseError(QT("List index out of range"));
  while (index >= capacity_) Grow();
  items_[index] = item;
  if (index >= count_) count_ = index + 1;
  return index;
}

bool CList::Contains(const CBase* item) const {
  for (int32_t i = 0; i < count_; ++i)
    if (items_[i] == item) return true;
  return false;
}

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
  Renew();
}

// The pending names are those of the items in place now: they are entered
// before the items change.
int32_t CNamedList::Add(CBase* item) {
  IndexPendingKeys();
  const int32_t index = items_->Put(item, -1);
  // The item may have a name that the names do not know.
  namesMatchPositions_ = false;
  Renew();
  return index;
}

void CNamedList::SetItem(int32_t index, CBase* item) {
  IndexPendingKeys();
  items_->Put(item, index);
  namesMatchPositions_ = false;
  Renew();
}

CList& CNamedList::Items() {
  IndexPendingKeys();
  namesMatchPositions_ = false;
  Renew();
  return *items_;
}

void CNamedList::AppendUnindexed(CBase* item) {
  if (!KeysPending()) firstUnindexed_ = items_->Count();
  MarkKeysPending();
  items_->Put(item, -1);
  Renew();
}

void CNamedList::EnterPendingKeys() {
  for (int32_t i = firstUnindexed_; i < items_->Count(); ++i) {
    const TextView name = NameOfItem(items_->Get(i));
    if (name.empty()) continue;
    void* position = reinterpret_cast<void*>(intptr_t(i) + 1);
    // A name held twice finds its first item, not this one.
    if (FindOrInsert(name, position, false, false) != position) namesMatchPositions_ = false;
  }
}

void CNamedList::Clear() {
  CTrie::Clear();
  namesMatchPositions_ = false;
}

}  // namespace runtime
