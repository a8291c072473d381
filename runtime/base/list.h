// Growable list of object pointers; slots between count and capacity are null.
#pragma once
#include "base.h"

class CList : public CBase {
public:
  // Indexes at or beyond this raise an error instead of growing without bound.
  static constexpr int32_t kMaxIndex = 1 << 26;

  explicit CList(bool ownsItems);
  ~CList() override;

  virtual void Clear();
  virtual void Grow();

  // A negative index appends; skipped slots stay null; the old occupant is not released.
  int32_t Put(CBase* item, int32_t index);
  CBase* Get(int32_t index) const { return items_[index]; }
  bool Contains(const CBase* item) const;
  void SetCapacity(int32_t capacity);

  int32_t Count() const { return count_; }
  int32_t Capacity() const { return capacity_; }
  bool OwnsItems() const { return ownsItems_; }

private:
  CBase** items_ = nullptr;
  bool ownsItems_;
  int32_t count_ = 0;
  int32_t capacity_ = 0;
};
