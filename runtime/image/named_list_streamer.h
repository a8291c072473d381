// Named lists (id 3, and list classes built on them): the inner list as a
// record reference, then the names as trie items whose values are 1-based
// positions. The named list keeps the list it made itself: Finish moves the
// items of the inner list record into it, which needs both to agree on
// owning their items; the factory takes that flag from the inner list.
#pragma once
#include "base/list.h"
#include "image/trie_streamer.h"

class CNamedListStreamer : public CTrieStreamer {
public:
  void Load() override;
  void Finish() override;

protected:
  void* ReadItem() override;
  // Subclasses whose lists hold one kind of node refuse the others here.
  virtual bool AcceptsItem(CBase*) const { return true; }

private:
  CList* inner_ = nullptr;
  int32_t lastPosition_ = 0;
};

CBase* NewNamedListNode(CStreamer& record);
