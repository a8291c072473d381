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
    trie->FindOrInsert(key, ReadItem(), true, false);
  }
  CStreamer::Load();
}

void* CTrieStreamer::ReadItem() {
  CBase* item = ReadCountedRef();
  if (!item) RaiseBadFormat();
  return item;
}
