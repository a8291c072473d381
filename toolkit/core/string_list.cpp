#include "toolkit/core/string_list.h"

#include <algorithm>

#include "toolkit/core/exceptions.h"

namespace toolkit {

StringList::~StringList() {
  OnChange = nullptr;
  OnChanging = nullptr;
  Clear();
}

void StringList::Check(int index) const {
  if (index < 0 || index >= Count()) ThrowListIndexError(index);
}

String StringList::Get(int index) const {
  Check(index);
  return items_[static_cast<std::size_t>(index)].text;
}

void StringList::Put(int index, const String& text) {
  if (sorted_) throw ListError(messages::kSortedListError);
  Check(index);
  Changing();
  items_[static_cast<std::size_t>(index)].text = text;
  Changed();
}

Object* StringList::GetObject(int index) const {
  Check(index);
  return items_[static_cast<std::size_t>(index)].object;
}

void StringList::PutObject(int index, Object* object) {
  Check(index);
  Changing();
  items_[static_cast<std::size_t>(index)].object = object;
  Changed();
}

void StringList::Insert(int index, const String& text) { InsertObject(index, text, nullptr); }

void StringList::InsertObject(int index, const String& text, Object* object) {
  if (sorted_) throw ListError(messages::kSortedListError);
  if (index < 0 || index > Count()) ThrowListIndexError(index);
  InsertItem(index, text, object);
}

void StringList::Grow() {
  const int delta = capacity_ > 64 ? capacity_ / 4 : capacity_ > 8 ? 16 : 4;
  capacity_ += delta;
  items_.reserve(static_cast<std::size_t>(capacity_));
}

void StringList::InsertItem(int index, const String& text, Object* object) {
  Changing();
  if (Count() == capacity_) Grow();
  items_.insert(items_.begin() + index, Item{text, object});
  Changed();
}

void StringList::Delete(int index) {
  Check(index);
  Changing();
  Object* object = items_[static_cast<std::size_t>(index)].object;
  items_.erase(items_.begin() + index);
  if (owns_) delete object;
  Changed();
}

void StringList::Clear() {
  if (items_.empty()) return;
  Changing();
  std::vector<Item> old;
  old.swap(items_);
  capacity_ = 0;
  if (owns_)
    for (Item& item : old) delete item.object;
  Changed();
}

void StringList::SetCapacity(int capacity) {
  if (capacity < Count()) throw ListError(messages::kStringListCapacityError);
  capacity_ = capacity;
  items_.reserve(static_cast<std::size_t>(capacity));
}

int StringList::Add(const String& text) {
  if (!sorted_) return Strings::Add(text);
  int index = 0;
  if (Find(text, index)) {
    if (duplicates_ == Duplicates::Ignore) return index;
    if (duplicates_ == Duplicates::Error) throw ListError(messages::kDuplicateString);
  }
  InsertItem(index, text, nullptr);
  return index;
}

int StringList::IndexOf(StringView text) const {
  if (!sorted_) return Strings::IndexOf(text);
  int index = 0;
  return Find(text, index) ? index : -1;
}

void StringList::Exchange(int a, int b) {
  Check(a);
  Check(b);
  Changing();
  std::swap(items_[static_cast<std::size_t>(a)], items_[static_cast<std::size_t>(b)]);
  Changed();
}

bool StringList::Find(StringView text, int& index) const {
  int low = 0;
  int high = Count() - 1;
  bool found = false;
  while (low <= high) {
    const int middle = (low + high) / 2;
    const int order = CompareStrings(items_[static_cast<std::size_t>(middle)].text, text);
    if (order < 0) {
      low = middle + 1;
    } else {
      high = middle - 1;
      if (order == 0) {
        found = true;
        // Among accepted duplicates the search goes on to the first equal line.
        if (duplicates_ != Duplicates::Accept) low = middle;
      }
    }
  }
  index = low;
  return found;
}

void StringList::Sort() {
  Changing();
  std::stable_sort(items_.begin(), items_.end(),
                   [this](const Item& a, const Item& b) { return CompareStrings(a.text, b.text) < 0; });
  Changed();
}

void StringList::CustomSort(int (*compare)(const StringList& list, int a, int b)) {
  if (Count() < 2) return;
  Changing();
  // Compare by index on a copy so the callback sees a consistent list.
  std::vector<int> order(items_.size());
  for (std::size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
  std::vector<Item> sortedItems;
  sortedItems.reserve(items_.size());
  for (int i : order) sortedItems.push_back(items_[static_cast<std::size_t>(i)]);
  items_.swap(sortedItems);
  Changed();
}

void StringList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  if (sorted) Sort();
  sorted_ = sorted;
}

void StringList::SetCaseSensitive(bool caseSensitive) {
  if (caseSensitive == caseSensitive_) return;
  caseSensitive_ = caseSensitive;
  if (sorted_) Sort();
}

int StringList::CompareStrings(StringView a, StringView b) const {
  if (caseSensitive_) return a.compare(b) < 0 ? -1 : a.compare(b) > 0 ? 1 : 0;
  return CompareTextIgnoringCase(a, b);
}

void StringList::SetUpdateState(bool updating) {
  if (updating) {
    OnChanging(this);
  } else {
    OnChange(this);
  }
}

void StringList::Changed() {
  if (UpdateCount() == 0) OnChange(this);
}

void StringList::Changing() {
  if (UpdateCount() == 0) OnChanging(this);
}

}  // namespace toolkit
