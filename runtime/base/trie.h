// Case-insensitive identifier trie: 39 symbols for identifier characters, one
// for the node's own value and one escape for any other code unit.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "runtime/text.h"
#include "runtime/base/base.h"

namespace runtime {

// A chain of nodes that each have one child and no value is kept as one
// node: the symbols of the chain are its path, walked before its index
// applies. So a key costs memory in proportion to its symbols, however long.
struct CTrieNode {
  static constexpr int kSymbols = 41;
  static constexpr int kValueSymbol = 39;
  static constexpr int kEscapeSymbol = 40;

  // 0: no entry; k: entries[k - 1].
  uint8_t index[kSymbols] = {};
  // One byte per symbol; empty for the root.
  std::string path;
  // Children and the node's own value, in the order they were added.
  std::vector<void*> entries;
};

// A subclass that overrides ReleaseItem clears in its own destructor, since the
// base destructor can no longer reach the override.
class CTrie : public CBase {
public:
  using ForEachCallback = void (*)(void* userData, void* value);

  CTrie() = default;
  ~CTrie() override;

  virtual void Clear();
  virtual void ReleaseItem(void* value);
  virtual void* IndexOf(TextView key);
  virtual void* Put(TextView key, void* value);

  // A null value only looks up. In raw-symbol mode each code unit is a symbol.
  void* FindOrInsert(TextView key, void* value, bool rawSymbols, bool replace);
  // FindOrInsert's lookup of a name, on the short path every name read takes.
  void* Lookup(TextView key) const;
  void ForEach(ForEachCallback callback, void* userData) const;
  bool Empty() const {
    IndexPendingKeys();
    return root_ == nullptr;
  }
  // A stamp no other trie of the process has had, renewed by every change
  // of what a key or position gives: a cache keyed on it cannot mistake a
  // trie made later at the same address, or this one changed, for the one
  // it saw.
  uint64_t Version() const { return version_; }

protected:
  void Renew() { version_ = NewVersion(); }
  // Keys that a subclass holds back: they are entered by EnterPendingKeys
  // before the trie is next read or changed. Clearing forgets them.
  void MarkKeysPending() { keysPending_ = true; }
  bool KeysPending() const { return keysPending_; }
  virtual void EnterPendingKeys() {}
  void IndexPendingKeys() const {
    if (!keysPending_) return;
    // The pending keys are part of the trie's value, not of its state.
    auto* self = const_cast<CTrie*>(this);
    self->keysPending_ = false;
    self->EnterPendingKeys();
  }

private:
  static uint64_t NewVersion();

  CTrieNode* root_ = nullptr;
  uint64_t version_ = NewVersion();
  bool keysPending_ = false;
};

// The symbols one code unit walks through.
int TrieSymbols(unsigned codeUnit, uint8_t* symbols);

}  // namespace runtime
