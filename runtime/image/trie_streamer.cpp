#include "image/trie_streamer.h"

#include "image/bad_format.h"

namespace {

bool IsRawKey(TextView key) {
  for (Char c : key)
    if (CodeUnit(c) >= CTrieNode::kSymbols || CodeUnit(c) == CTrieNode::kValueSymbol) return false;
  return true;
}

}  // namespace

void CTrieStreamer::Load() {
  auto* trie = NodeAs<CTrie>();
  const int32_t count = ReadCount();
  for (int32_t i = 0; i < count; ++i) {
    const Text key = ReadText();
    if (!IsRawKey(key) || trie->FindOrInsert(key, nullptr, true, false)) RaiseBadFormat();
    void* item = ReadItem();
    trie->FindOrInsert(key, item, true, false);
    entries_.push_back({key, item});
  }
  CStreamer::Load();
}

void* CTrieStreamer::ReadItem() {
  CBase* item = ReadCountedRef();
  if (!item) RaiseBadFormat();
  return item;
}
