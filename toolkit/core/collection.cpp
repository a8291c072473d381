#include "toolkit/core/collection.h"

#include <algorithm>

#include "toolkit/core/exceptions.h"

namespace toolkit {

CollectionItem::CollectionItem(Collection* collection) {
  if (collection) collection->InsertItem(this);
}

CollectionItem::~CollectionItem() {
  if (collection_) collection_->RemoveItem(this);
}

int CollectionItem::Index() const {
  if (!collection_) return -1;
  const auto& items = collection_->items_;
  return static_cast<int>(std::find(items.begin(), items.end(), this) - items.begin());
}

void CollectionItem::SetIndex(int index) {
  if (collection_ && index != Index()) collection_->MoveItem(this, index);
}

void CollectionItem::Changed(bool allItems) {
  if (collection_ && collection_->updateCount_ == 0) collection_->Update(allItems ? nullptr : this);
}

Collection::Collection(Persistent* owner, ItemFactory factory) : owner_(owner), factory_(std::move(factory)) {}

Collection::~Collection() {
  updateCount_ = 1;  // no updates while tearing down
  while (!items_.empty()) delete items_.back();
}

CollectionItem* Collection::Items(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  return items_[static_cast<std::size_t>(index)];
}

CollectionItem* Collection::Add() { return factory_(this); }

CollectionItem* Collection::Insert(int index) {
  if (index < 0 || index > Count()) ThrowListIndexError(index);
  BeginUpdate();
  CollectionItem* item = Add();
  item->SetIndex(index);
  EndUpdate();
  return item;
}

void Collection::Delete(int index) { delete Items(index); }

void Collection::Clear() {
  if (items_.empty()) return;
  BeginUpdate();
  while (!items_.empty()) delete items_.back();
  EndUpdate();
}

CollectionItem* Collection::FindItemID(int id) const {
  for (CollectionItem* item : items_)
    if (item->id_ == id) return item;
  return nullptr;
}

void Collection::BeginUpdate() { ++updateCount_; }

void Collection::EndUpdate() {
  if (updateCount_ > 0 && --updateCount_ == 0) Changed();
}

void Collection::Changed() {
  if (updateCount_ == 0) Update(nullptr);
}

void Collection::Assign(const Persistent* source) {
  const auto* other = dynamic_cast<const Collection*>(source);
  if (!other) {
    Persistent::Assign(source);
    return;
  }
  if (other == this) return;
  BeginUpdate();
  Clear();
  for (CollectionItem* item : other->items_) Add()->Assign(item);
  EndUpdate();
}

void Collection::InsertItem(CollectionItem* item) {
  items_.push_back(item);
  item->collection_ = this;
  item->id_ = nextId_++;
  Added(item);
  Changed();
}

void Collection::RemoveItem(CollectionItem* item) {
  Deleting(item);
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  item->collection_ = nullptr;
  Changed();
}

void Collection::MoveItem(CollectionItem* item, int index) {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
  items_.erase(std::remove(items_.begin(), items_.end(), item), items_.end());
  items_.insert(items_.begin() + index, item);
  Changed();
}

}  // namespace toolkit
