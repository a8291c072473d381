// Tries (id 2): a count, then pairs of a key and an item. Keys are written
// as trie symbols (0..40, one per character), so they are inserted in
// raw-symbol mode; a key twice is a bad format.
#pragma once
#include "base/trie.h"
#include "image/streamer.h"

class CTrieStreamer : public CStreamer {
public:
  void Load() override;

protected:
  // A trie holds its items counted; never null, which the trie could not store.
  virtual void* ReadItem();
};
