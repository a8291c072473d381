// List whose items can also be found by name: the trie maps each name to the
// item's 1-based position in the inner list.
#pragma once
#include "list.h"
#include "trie.h"

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
  void SetItem(int32_t index, CBase* item) { items_->Put(item, index); }
  CList& Items() { return *items_; }

private:
  // The trie's own Put would store a raw value, not a position.
  using CTrie::Put;

  CList* items_;
};
