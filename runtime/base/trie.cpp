#include "trie.h"

#include <array>

#include "../error.h"

namespace {

// Enough for any code unit of up to 32 bits in base 39, plus the escape.
constexpr int kMaxSymbolsPerUnit = 8;

// The one symbol of an identifier character, or -1 for an escaped one.
constexpr int DirectSymbol(unsigned c) {
  if (c >= '0' && c <= '9') return int(c - '0');
  if (c == '@') return 10;
  if (c >= 'A' && c <= 'Z') return int(11 + c - 'A');
  if (c >= 'a' && c <= 'z') return int(11 + c - 'a');
  if (c == '_') return 37;
  if (c == '$') return 38;
  return -1;
}

constexpr std::array<int8_t, 128> MakeDirectSymbols() {
  std::array<int8_t, 128> table{};
  for (unsigned c = 0; c < 128; ++c) table[c] = int8_t(DirectSymbol(c));
  return table;
}

constexpr std::array<int8_t, 128> kDirectSymbols = MakeDirectSymbols();

CTrieNode* ChildAt(const CTrieNode* node, int symbol) {
  uint8_t k = node->index[symbol];
  return k ? static_cast<CTrieNode*>(node->entries[k - 1]) : nullptr;
}

bool IsChildSlot(const CTrieNode* node, size_t entry) {
  return node->index[CTrieNode::kValueSymbol] != entry + 1;
}

// Steps to the child for a symbol, creating it when insert is set.
CTrieNode* Step(CTrieNode* node, int symbol, bool insert) {
  if (CTrieNode* child = ChildAt(node, symbol)) return child;
  if (!insert) return nullptr;
  auto* child = new CTrieNode();
  node->entries.push_back(child);
  node->index[symbol] = static_cast<uint8_t>(node->entries.size());
  return child;
}

}  // namespace

int TrieSymbols(unsigned c, uint8_t* symbols) {
  if (c < 128 && kDirectSymbols[c] >= 0) return symbols[0] = uint8_t(kDirectSymbols[c]), 1;
  int n = 0;
  symbols[n++] = CTrieNode::kEscapeSymbol;
  do {
    symbols[n++] = uint8_t(c % 39);
    c /= 39;
  } while (c);
  return n;
}

CTrie::~CTrie() { CTrie::Clear(); }

void CTrie::ReleaseItem(void* value) { ReleaseObject(static_cast<CBase*>(value)); }

void* CTrie::IndexOf(TextView key) { return Lookup(key); }

void* CTrie::Lookup(TextView key) const {
  const CTrieNode* node = root_;
  for (size_t i = 0; node && i < key.size(); ++i) {
    const unsigned c = CodeUnit(key[i]);
    if (c < 128 && kDirectSymbols[c] >= 0) {
      node = ChildAt(node, kDirectSymbols[c]);
      continue;
    }
    uint8_t symbols[kMaxSymbolsPerUnit];
    const int n = TrieSymbols(c, symbols);
    for (int j = 0; node && j < n; ++j) node = ChildAt(node, symbols[j]);
  }
  if (!node) return nullptr;
  const uint8_t k = node->index[CTrieNode::kValueSymbol];
  return k ? node->entries[k - 1] : nullptr;
}

void* CTrie::Put(TextView key, void* value) { return FindOrInsert(key, value, false, false); }

void* CTrie::FindOrInsert(TextView key, void* value, bool rawSymbols, bool replace) {
  const bool insert = value != nullptr;
  if (!root_) {
    if (!insert) return nullptr;
    root_ = new CTrieNode();
  }
  CTrieNode* node = root_;
  uint8_t symbols[kMaxSymbolsPerUnit];
  for (Char ch : key) {
    unsigned c = CodeUnit(ch);
    int n;
    if (rawSymbols) {
      if (c >= CTrieNode::kSymbols || c == CTrieNode::kValueSymbol) RaiseError(QT("Invalid name symbol"));
      symbols[0] = uint8_t(c);
      n = 1;
    } else {
      n = TrieSymbols(c, symbols);
    }
    for (int i = 0; i < n; ++i) {
      node = Step(node, symbols[i], insert);
      if (!node) return nullptr;
    }
  }
  uint8_t k = node->index[CTrieNode::kValueSymbol];
  if (k) {
    if (!replace) return node->entries[k - 1];
    node->entries[k - 1] = value;
    return value;
  }
  if (!insert) return nullptr;
  node->entries.push_back(value);
  node->index[CTrieNode::kValueSymbol] = static_cast<uint8_t>(node->entries.size());
  return value;
}

void CTrie::Clear() {
  // An explicit stack: keys from compiled images may be long.
  std::vector<CTrieNode*> pending;
  if (root_) pending.push_back(root_);
  root_ = nullptr;
  while (!pending.empty()) {
    CTrieNode* node = pending.back();
    pending.pop_back();
    for (size_t i = 0; i < node->entries.size(); ++i) {
      if (IsChildSlot(node, i)) {
        pending.push_back(static_cast<CTrieNode*>(node->entries[i]));
      } else {
        void* value = node->entries[i];
        node->entries[i] = nullptr;
        ReleaseItem(value);
      }
    }
    delete node;
  }
}

void CTrie::ForEach(ForEachCallback callback, void* userData) const {
  std::vector<const CTrieNode*> pending;
  if (root_) pending.push_back(root_);
  while (!pending.empty()) {
    const CTrieNode* node = pending.back();
    pending.pop_back();
    if (uint8_t k = node->index[CTrieNode::kValueSymbol]) callback(userData, node->entries[k - 1]);
    for (size_t i = node->entries.size(); i-- > 0;)
      if (IsChildSlot(node, i)) pending.push_back(static_cast<const CTrieNode*>(node->entries[i]));
  }
}
