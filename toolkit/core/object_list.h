// An indexed list of objects that may own them and tells a hook about every
// insertion, deletion and extraction.
#pragma once
#include <algorithm>
#include <cstddef>
#include <vector>

#include "toolkit/core/exceptions.h"
#include "toolkit/core/method.h"

namespace toolkit {

enum class ListNotification { Added, Extracted, Deleted };

template <class T>
class ObjectList : public Object {
 public:
  explicit ObjectList(bool ownsObjects = true) : owns_(ownsObjects) {}
  ~ObjectList() override { Clear(); }
  ObjectList(const ObjectList&) = delete;
  ObjectList& operator=(const ObjectList&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  bool OwnsObjects() const { return owns_; }
  void SetOwnsObjects(bool owns) { owns_ = owns; }

  T* Items(int index) const {
    Check(index);
    return items_[static_cast<std::size_t>(index)];
  }
  T* First() const { return Items(0); }
  T* Last() const { return Items(Count() - 1); }

  int Add(T* item) {
    items_.push_back(item);
    Notify(item, ListNotification::Added);
    return Count() - 1;
  }
  void Insert(int index, T* item) {
    if (index < 0 || index > Count()) ThrowListIndexError(index);
    items_.insert(items_.begin() + index, item);
    Notify(item, ListNotification::Added);
  }
  // Frees the item when the list owns it.
  void Delete(int index) {
    Check(index);
    T* item = items_[static_cast<std::size_t>(index)];
    items_.erase(items_.begin() + index);
    Notify(item, ListNotification::Deleted);
    if (owns_) delete item;
  }
  int Remove(T* item) {
    const int index = IndexOf(item);
    if (index >= 0) Delete(index);
    return index;
  }
  // Takes the item out without freeing it.
  T* Extract(T* item) {
    const int index = IndexOf(item);
    if (index < 0) return nullptr;
    items_.erase(items_.begin() + index);
    Notify(item, ListNotification::Extracted);
    return item;
  }
  void Move(int from, int to) {
    Check(from);
    Check(to);
    T* item = items_[static_cast<std::size_t>(from)];
    items_.erase(items_.begin() + from);
    items_.insert(items_.begin() + to, item);
  }
  int IndexOf(const T* item) const {
    const auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
  }
  void Clear() {
    while (!items_.empty()) Delete(Count() - 1);
  }
  template <class Less>
  void Sort(Less less) {
    std::stable_sort(items_.begin(), items_.end(), less);
  }

  typename std::vector<T*>::const_iterator begin() const { return items_.begin(); }
  typename std::vector<T*>::const_iterator end() const { return items_.end(); }

  Method<void(Object* sender, T* item, ListNotification action)> OnNotify;

 protected:
  virtual void Notify(T* item, ListNotification action) { OnNotify(this, item, action); }

 private:
  void Check(int index) const {
    if (index < 0 || index >= Count()) ThrowListIndexError(index);
  }

  std::vector<T*> items_;
  bool owns_;
};

}  // namespace toolkit
