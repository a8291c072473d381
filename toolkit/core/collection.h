// Collections: owned, ordered items that report their changes to the collection.
#pragma once
#include <functional>
#include <vector>

#include "toolkit/core/component.h"

namespace toolkit {

class Collection;

class CollectionItem : public Persistent {
 public:
  // Adds itself to the collection when one is given.
  explicit CollectionItem(Collection* collection);
  ~CollectionItem() override;
  CollectionItem(const CollectionItem&) = delete;
  CollectionItem& operator=(const CollectionItem&) = delete;

  String ClassName() const override { return u"CollectionItem"; }
  Collection* OwnerCollection() const { return collection_; }
  int Index() const;
  void SetIndex(int index);
  int ID() const { return id_; }
  virtual String DisplayName() const { return ClassName(); }

 protected:
  // Reports a change of this item (or of all items) to the collection.
  void Changed(bool allItems);

 private:
  friend class Collection;
  Collection* collection_ = nullptr;
  int id_ = 0;
};

class Collection : public Persistent {
 public:
  using ItemFactory = std::function<CollectionItem*(Collection*)>;
  // owner may be null; the factory makes the items that Add creates.
  Collection(Persistent* owner, ItemFactory factory);
  ~Collection() override;
  Collection(const Collection&) = delete;
  Collection& operator=(const Collection&) = delete;

  String ClassName() const override { return u"Collection"; }
  Persistent* Owner() const { return owner_; }
  int Count() const { return static_cast<int>(items_.size()); }
  CollectionItem* Items(int index) const;
  CollectionItem* Add();
  CollectionItem* Insert(int index);
  void Delete(int index);
  void Clear();
  CollectionItem* FindItemID(int id) const;
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return updateCount_; }

  // Copies the source's items: as many new items, each assigned from its twin.
  void Assign(const Persistent* source) override;

 protected:
  // item is the changed item, or null when the whole collection changed.
  virtual void Update(CollectionItem*) {}
  virtual void Added(CollectionItem*) {}
  virtual void Deleting(CollectionItem*) {}
  void Changed();

 private:
  friend class CollectionItem;
  void InsertItem(CollectionItem* item);
  void RemoveItem(CollectionItem* item);
  void MoveItem(CollectionItem* item, int index);

  Persistent* owner_;
  ItemFactory factory_;
  std::vector<CollectionItem*> items_;
  int nextId_ = 0;
  int updateCount_ = 0;
};

}  // namespace toolkit
