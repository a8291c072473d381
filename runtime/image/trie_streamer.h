// Tries (id 2): a count, then pairs of a key and an item. Keys are written
// as trie symbols (0..40, one per character), so they are inserted in
// raw-symbol mode; a key twice is a bad format. The pairs are kept in record
// order for holders that rebuild the table as another member of the family.
#pragma once
#include <vector>

#include "base/trie.h"
#include "image/streamer.h"

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
