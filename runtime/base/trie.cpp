#include "runtime/base/trie.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <iterator>
#include <utility>

#include "runtime/error.h"

namespace runtime {

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

int RawSymbol(unsigned c, uint8_t* symbols) {
  if (c >= CTrieNode::kSymbols || c == CTrieNode::kValueSymbol) RaiseError(QT("Invalid name symbol"));
  symbols[0] = uint8_t(c);
  return 1;
}

// The symbols of a key one by one, mapped from its code units as they are
// reached.
class KeySymbols {
public:
  KeySymbols(TextView key, bool raw) : key_(key), raw_(raw) {}

  bool Done() const { return next_ == count_ && pos_ == key_.size(); }
  // The next symbol; the key must not be done.
  uint8_t Peek() {
    if (next_ == count_) Fill();
    return symbols_[next_];
  }
  void Skip() { ++next_; }
  // The symbols not yet taken, one byte each.
  std::string Rest() {
    std::string rest;
    while (!Done()) {
      rest += char(Peek());
      Skip();
    }
    return rest;
  }

private:
  void Fill() {
    const unsigned c = CodeUnit(key_[pos_++]);
    if (raw_) {
      count_ = RawSymbol(c, symbols_);
    } else if (c < 128 && kDirectSymbols[c] >= 0) {
      symbols_[0] = uint8_t(kDirectSymbols[c]);
      count_ = 1;
    } else {
      count_ = TrieSymbols(c, symbols_);
    }
    next_ = 0;
  }

  TextView key_;
  bool raw_;
  size_t pos_ = 0;
  int next_ = 0;
  int count_ = 0;
  uint8_t symbols_[kMaxSymbolsPerUnit];
};

// Walks as much of the node's path as the key follows; the count walked.
size_t FollowPath(const CTrieNode* node, KeySymbols& key) {
  size_t walked = 0;
  while (walked < node->path.size() && !key.Done() && key.Peek() == uint8_t(node->path[walked])) {
    key.Skip();
    ++walked;
  }
  return walked;
}

// The node keeps the first symbols of its path; a new child takes the rest
// with the node's children and value, so a key that leaves the path there
// can branch off.
void SplitPath(CTrieNode* node, size_t keep) {
  auto* rest = new CTrieNode();
  rest->path = node->path.substr(keep + 1);
  std::copy(std::begin(node->index), std::end(node->index), std::begin(rest->index));
  rest->entries = std::move(node->entries);
  const auto symbol = uint8_t(node->path[keep]);
  node->path.resize(keep);
  std::fill(std::begin(node->index), std::end(node->index), uint8_t(0));
  node->entries.assign(1, rest);
  node->index[symbol] = 1;
}

// A new leaf under the node for the symbol, holding the rest of the key.
CTrieNode* AddLeaf(CTrieNode* node, uint8_t symbol, KeySymbols& key) {
  auto* leaf = new CTrieNode();
  leaf->path = key.Rest();
  node->entries.push_back(leaf);
  node->index[symbol] = static_cast<uint8_t>(node->entries.size());
  return leaf;
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

uint64_t CTrie::NewVersion() {
  static std::atomic<uint64_t> last{0};
  return last.fetch_add(1, std::memory_order_relaxed) + 1;
}

void CTrie::ReleaseItem(void* value) { ReleaseObject(static_cast<CBase*>(value)); }

void* CTrie::IndexOf(TextView key) { return Lookup(key); }

void* CTrie::Lookup(TextView key) const {
  IndexPendingKeys();
  const CTrieNode* node = root_;
  KeySymbols symbols(key, false);
  while (node) {
    if (FollowPath(node, symbols) < node->path.size()) return nullptr;
    if (symbols.Done()) break;
    const uint8_t symbol = symbols.Peek();
    symbols.Skip();
    node = ChildAt(node, symbol);
  }
  if (!node) return nullptr;
  const uint8_t k = node->index[CTrieNode::kValueSymbol];
  return k ? node->entries[k - 1] : nullptr;
}

void* CTrie::Put(TextView key, void* value) { return FindOrInsert(key, value, false, false); }

void* CTrie::FindOrInsert(TextView key, void* value, bool rawSymbols, bool replace) {
  IndexPendingKeys();
  const bool insert = value != nullptr;
  if (!root_) {
    if (!insert) return nullptr;
    root_ = new CTrieNode();
  }
  CTrieNode* node = root_;
  KeySymbols symbols(key, rawSymbols);
  for (;;) {
    const size_t walked = FollowPath(node, symbols);
    if (walked < node->path.size()) {
      if (!insert) return nullptr;
      SplitPath(node, walked);
    }
    if (symbols.Done()) break;
    const uint8_t symbol = symbols.Peek();
    symbols.Skip();
    CTrieNode* child = ChildAt(node, symbol);
    if (!child) {
      if (!insert) return nullptr;
      node = AddLeaf(node, symbol, symbols);
      break;
    }
    node = child;
  }
  uint8_t k = node->index[CTrieNode::kValueSymbol];
  if (k) {
    if (!replace) return node->entries[k - 1];
    node->entries[k - 1] = value;
    Renew();
    return value;
  }
  if (!insert) return nullptr;
  Renew();
  node->entries.push_back(value);
  node->index[CTrieNode::kValueSymbol] = static_cast<uint8_t>(node->entries.size());
  return value;
}

void CTrie::Clear() {
  keysPending_ = false;
  // An explicit stack: keys from compiled images may be long.
  std::vector<CTrieNode*> pending;
  if (root_) pending.push_back(root_);
  root_ = nullptr;
  Renew();
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
  IndexPendingKeys();
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

}  // namespace runtime
