// Growable lists of object pointers, and the list whose items can also be found
// by name.
#pragma once
#include "runtime/base/base.h"
#include "runtime/base/trie.h"

namespace runtime {

// Growable list of object pointers; slots between count and capacity are null.
class CList : public CBase {
public:
  // Indexes at or beyond this raise an error instead of growing without bound.
  static constexpr int32_t kMaxIndex = 1 << 26;

  explicit CList(bool ownsItems);
  ~CList() override;

  virtual void Clear();
  virtual void Grow();

  // A negative index appends; skipped slots stay null; the old occupant is not released.
  int32_t Put(CBase* item, int32_t index) {
    if (index < 0 || index >= capacity_) return PutGrowing(item, index);
    items_[index] = item;
    if (index >= count_) count_ = index + 1;
    return index;
  }
  CBase* Get(int32_t index) const { return items_[index]; }
  bool Contains(const CBase* item) const;
  void SetCapacity(int32_t capacity);

  int32_t Count() const { return count_; }
  int32_t Capacity() const { return capacity_; }
  bool OwnsItems() const { return ownsItems_; }

private:
  // Put beyond the room there is, or appending.
  int32_t PutGrowing(CBase* item, int32_t index);

  CBase** items_ = nullptr;
  bool ownsItems_;
  int32_t count_ = 0;
  int32_t capacity_ = 0;
};

// List whose items can also be found by name: the trie maps each name to the
// item's 1-based position in the inner list.
class CNamedList : public CTrie {
public:
  explicit CNamedList(bool ownsItems);
  ~CNamedList() override;

  // Values are positions, so clearing forgets the names and keeps the items.
  void ReleaseItem(void*) override {}
  virtual CBase* Find(TextView name);
  virtual void Put(TextView name, CBase* item);
  virtual int32_t Add(CBase* item);

  // 0-based index of a name, or -1.
  int32_t IndexOfName(TextView name);
  int32_t Count() const { return items_->Count(); }
  CBase* Get(int32_t index) const { return items_->Get(index); }
  void SetItem(int32_t index, CBase* item);
  // The caller may change the items: the version is renewed.
  CList& Items();
  // Whether every item was placed by its name (Put, or appended unindexed
  // under a name the list did not hold): then a named item is the one its
  // name finds. False once an item went in by position or the names were
  // cleared.
  bool NamesMatchPositions() const { return namesMatchPositions_; }
  void Clear() override;
  // Gives back the room beyond the items, for a list that is done growing.
  void FitCapacity() { items_->SetCapacity(items_->Count()); }

protected:
  // Appends an item whose name (NameOfItem) the list does not hold yet. The
  // name is entered only when the names are next read or changed, so lists
  // that are only walked by position never build their trie.
  void AppendUnindexed(CBase* item);
  // The name an item appended unindexed goes under; empty for none.
  virtual TextView NameOfItem(const CBase*) const { return {}; }

private:
  // The trie's own Put would store a raw value, not a position.
  using CTrie::Put;

  void EnterPendingKeys() override;

  CList* items_;
  bool namesMatchPositions_ = true;
  // The first item appended unindexed, while KeysPending().
  int32_t firstUnindexed_ = 0;
};

}  // namespace runtime
