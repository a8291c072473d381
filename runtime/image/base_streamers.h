// Records of the base containers: lists, tries, named lists and recursion
// levels.
#pragma once
#include <cstdint>
#include <span>
#include <vector>

#include "runtime/base/list.h"
#include "runtime/base/trie.h"
#include "runtime/image/streamer.h"
#include "runtime/value/var_stack.h"

namespace runtime {

// Class ids and streamers of the base containers (ids 0-4). Variable stacks
// (id 5) are registered with the program-tree records: a stack is bound to
// its variable's value, which only the variable's record can do.
enum BaseClassId : int32_t {
  kBaseClassId = 0,
  kListClassId = 1,
  kTrieClassId = 2,
  kNamedListClassId = 3,
  kVarLevelsClassId = 4,
  kVarStackClassId = 5,
};

struct BaseStreamer {
  int32_t id;
  StreamerClass streamerClass;
};

std::span<const BaseStreamer> BaseStreamers();

// Lists (id 1): item count, owns-items flag, the items as record references.
// The flag is fixed when a list is made, so the node factory reads it first.
class CListStreamer : public CStreamer {
public:
  void Load() override;
};

CBase* NewListNode(CStreamer& record);
// The owns-items flag of a list record's body.
bool ListOwnsItems(ByteCursor body);

// Tries (id 2): a count, then pairs of a key and an item. Keys are written
// as trie symbols (0..40, one per character), so they are inserted in
// raw-symbol mode; a key twice is a bad format. The pairs are kept in record
// order for holders that rebuild the table as another member of the family.
class CTrieStreamer : public CStreamer {
public:
  struct Entry {
    Text key;
    void* item;
  };

  void Load() override;

  const std::vector<Entry>& Entries() const { return entries_; }

protected:
  // A trie holds its items counted; never null, which the trie could not store.
  virtual void* ReadItem();

private:
  std::vector<Entry> entries_;
};

// Named lists (id 3, and list classes built on them): the inner list as a
// record reference, then the names as trie items whose values are 1-based
// positions. The named list keeps the list it made itself: Finish moves the
// items of the inner list record into it. The factory of plain named lists
// takes the owns-items flag from the inner list; a class whose lists always
// own their items takes one counted reference to each item of an inner list
// that shares them (a function's parameters, which its body's names own).
class CNamedListStreamer : public CTrieStreamer {
public:
  void Load() override;
  void Finish() override;

protected:
  void* ReadItem() override;
  // Subclasses whose lists hold one kind of node refuse the others here.
  virtual bool AcceptsItem(CBase*) const { return true; }

private:
  // Counts the references the named list will hold to the items of a
  // sharing inner list, before that list's record has loaded them.
  void CountSharedItems(int32_t innerRecord);

  CList* inner_ = nullptr;
  bool itemsShared_ = false;
  int32_t lastPosition_ = 0;
};

CBase* NewNamedListNode(CStreamer& record);

// Recursion levels of a function (id 4): depth, the list of stacks that have
// entries, base level. A compiled image holds no running call, so the stack
// list must be empty; the base level is fixed when the levels are made, so
// the node factory reads it first.
class CVarLevelsStreamer : public CStreamer {
public:
  // Far beyond any call depth the interpreter allows.
  static constexpr int32_t kMaxLevel = 1 << 16;

  void ReadFields(int32_t group, int32_t index) override;
  void Finish() override;

private:
  CList* stacks_ = nullptr;
};

CBase* NewVarLevelsNode(CStreamer& record);

}  // namespace runtime
