// The concrete string list: optionally sorted, with a duplicates rule,
// objects per line that it may own, and change events.
#pragma once
#include <vector>

#include "toolkit/core/strings.h"

namespace toolkit {

enum class Duplicates { Ignore, Accept, Error };

class StringList : public Strings {
 public:
  explicit StringList(bool ownsObjects = false) : owns_(ownsObjects) {}
  ~StringList() override;
  StringList(const StringList&) = delete;
  StringList& operator=(const StringList&) = delete;

  String ClassName() const override { return u"StringList"; }

  int Count() const override { return static_cast<int>(items_.size()); }
  String Get(int index) const override;
  void Put(int index, const String& text) override;
  Object* GetObject(int index) const override;
  void PutObject(int index, Object* object) override;
  void Insert(int index, const String& text) override;
  void InsertObject(int index, const String& text, Object* object) override;
  void Delete(int index) override;
  void Clear() override;
  int Capacity() const override { return capacity_; }
  // Below the count is an error; the list keeps its lines.
  void SetCapacity(int capacity) override;

  // In a sorted list Add finds the place and applies the duplicates rule.
  int Add(const String& text) override;
  int IndexOf(StringView text) const override;
  void Exchange(int a, int b) override;
  // Binary search of a sorted list: true when found; index is the match or
  // the place where the text would go.
  bool Find(StringView text, int& index) const;
  void Sort();
  void CustomSort(int (*compare)(const StringList& list, int a, int b));

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  Duplicates DuplicatesRule() const { return duplicates_; }
  void SetDuplicates(Duplicates rule) { duplicates_ = rule; }
  bool CaseSensitive() const { return caseSensitive_; }
  void SetCaseSensitive(bool caseSensitive);
  bool OwnsObjects() const { return owns_; }
  void SetOwnsObjects(bool owns) { owns_ = owns; }

  // Outside an update bracket each change fires OnChanging before and OnChange after.
  NotifyEvent OnChange;
  NotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool updating) override;
  int CompareStrings(StringView a, StringView b) const override;
  virtual void Changed();
  virtual void Changing();

 private:
  struct Item {
    String text;
    Object* object = nullptr;
  };
  void Check(int index) const;
  void InsertItem(int index, const String& text, Object* object);
  void Grow();

  std::vector<Item> items_;
  int capacity_ = 0;
  bool sorted_ = false;
  bool caseSensitive_ = false;
  bool owns_ = false;
  Duplicates duplicates_ = Duplicates::Ignore;
};

}  // namespace toolkit
