#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "runtime/base/trie.h"
#include "support/alloc_counter.h"
#include "support/live_object.h"

using namespace runtime;

namespace {

// A trie of tagged pointers that owns nothing.
class TagTrie : public CTrie {
public:
  ~TagTrie() override { Clear(); }
  void ReleaseItem(void*) override {}
};

void* Tag(intptr_t n) { return reinterpret_cast<void*>(n); }

std::vector<int> Symbols(unsigned c) {
  uint8_t s[8];
  int n = TrieSymbols(c, s);
  return {s, s + n};
}

}  // namespace

TEST(Trie, AsciiLettersFoldCase) {
  auto* t = new TagTrie();
  t->Put(QT("Name"), Tag(1));
  EXPECT_EQ(t->IndexOf(QT("NAME")), Tag(1));
  EXPECT_EQ(t->IndexOf(QT("name")), Tag(1));
  EXPECT_EQ(t->Put(QT("nAmE"), Tag(2)), Tag(1)) << "an existing key keeps its value";
  EXPECT_EQ(t->IndexOf(QT("x")), nullptr);
  t->Put(QT("@x"), Tag(3));
  t->Put(QT("x"), Tag(4));
  EXPECT_EQ(t->IndexOf(QT("@x")), Tag(3));
  EXPECT_EQ(t->IndexOf(QT("x")), Tag(4));
  t->Release();
}

TEST(Trie, SymbolMapping) {
  struct Case {
    unsigned codeUnit;
    std::vector<int> symbols;
  } cases[] = {
      {'0', {0}}, {'9', {9}},   {'@', {10}},     {'A', {11}},       {'z', {36}},       {'_', {37}},
      {'$', {38}}, {32, {40, 32}}, {91, {40, 13, 2}}, {39, {40, 0, 1}}, {0, {40, 0}},
  };
  for (const auto& c : cases) EXPECT_EQ(Symbols(c.codeUnit), c.symbols) << c.codeUnit;
}

TEST(Trie, LookupOfMissingKeyCreatesNothing) {
  auto* t = new TagTrie();
  EXPECT_EQ(t->IndexOf(QT("abc")), nullptr);
  EXPECT_TRUE(t->Empty());
  t->Put(QT("a"), Tag(1));
  EXPECT_EQ(t->IndexOf(QT("abc")), nullptr);
  int visited = 0;
  t->ForEach([](void* n, void*) { ++*static_cast<int*>(n); }, &visited);
  EXPECT_EQ(visited, 1);
  t->Release();
}

TEST(Trie, EmptyKeyAddressesRootValue) {
  auto* t = new TagTrie();
  t->Put(QT(""), Tag(9));
  EXPECT_EQ(t->IndexOf(QT("")), Tag(9));
  t->Release();
}

TEST(Trie, ReplaceOverwritesAndReturnsNewValue) {
  auto* t = new TagTrie();
  t->Put(QT("k"), Tag(1));
  EXPECT_EQ(t->FindOrInsert(QT("K"), Tag(2), false, true), Tag(2));
  EXPECT_EQ(t->IndexOf(QT("k")), Tag(2));
  t->Release();
}

TEST(Trie, ForEachVisitsPreOrderInCreationOrder) {
  auto* t = new TagTrie();
  t->Put(QT("b"), Tag(1));
  t->Put(QT("a"), Tag(2));
  t->Put(QT("ba"), Tag(3));
  t->Put(QT(""), Tag(4));
  std::vector<intptr_t> seen;
  t->ForEach([](void* out, void* v) { static_cast<std::vector<intptr_t>*>(out)->push_back(intptr_t(v)); }, &seen);
  EXPECT_EQ(seen, (std::vector<intptr_t>{4, 1, 3, 2}));
  t->Release();
}

TEST(Trie, RawSymbolsWalkWithoutMapping) {
  auto* t = new TagTrie();
  const Char raw[] = {Char(11), Char(40), Char(5)};
  t->FindOrInsert(TextView(raw, 3), Tag(7), true, false);
  const Char mapped[] = {Char('a'), Char(5)};  // 'a' is 11, then code unit 5 is 40, 5
  EXPECT_EQ(t->IndexOf(TextView(mapped, 2)), Tag(7));
  const Char bad[] = {Char(41)};
  EXPECT_ANY_THROW(t->FindOrInsert(TextView(bad, 1), Tag(8), true, false));
  t->Release();
}

TEST(Trie, ClearReleasesObjectValues) {
  auto* t = new CTrie();
  t->Put(QT("one"), new LiveObject());
  t->Put(QT("two"), new LiveObject());
  t->Put(QT("on"), new LiveObject());
  EXPECT_EQ(LiveObject::alive, 3);
  t->Clear();
  EXPECT_EQ(LiveObject::alive, 0);
  EXPECT_TRUE(t->Empty());
  t->Put(QT("three"), new LiveObject());
  t->Release();
  EXPECT_EQ(LiveObject::alive, 0);
}

#ifndef QEL_ANSI
TEST(Trie, OnlyAsciiLettersFoldAndEscapesAreNotDelimited) {
  auto* t = new TagTrie();
  t->Put(u"\u00e9", Tag(1));
  EXPECT_EQ(t->IndexOf(u"\u00c9"), nullptr) << "accented capitals are another key";
  t->Put(u"[5", Tag(2));
  EXPECT_EQ(t->IndexOf(u"\u1E10"), Tag(2)) << "7696 walks 40, 13, 2, 5 like '[' then '5'";
  t->Release();
}
#endif

// A long key costs a few allocations, not one node per symbol: a million
// code units of up to five symbols each once took over half a gigabyte.
TEST(Trie, LongKeysCostMemoryInProportionToTheirLength) {
  const Char wide = Char(sizeof(Char) == 1 ? 0xFF : 0xFFFF);
  const Text longKey(1000000, wide);
  Text sibling = longKey;
  sibling.back() = Char('a');
  auto* t = new TagTrie();
  const int64_t before = AllocationCount();
  t->Put(longKey, Tag(1));
  t->Put(sibling, Tag(2));
  t->Put(longKey.substr(0, 500000), Tag(3));
  EXPECT_LT(AllocationCount() - before, 200);
  EXPECT_EQ(t->IndexOf(longKey), Tag(1));
  EXPECT_EQ(t->IndexOf(sibling), Tag(2));
  EXPECT_EQ(t->IndexOf(longKey.substr(0, 500000)), Tag(3));
  EXPECT_EQ(t->IndexOf(longKey.substr(0, 500001)), nullptr);
  EXPECT_EQ(t->IndexOf(longKey + Char('a')), nullptr);
  std::vector<intptr_t> seen;
  t->ForEach([](void* out, void* v) { static_cast<std::vector<intptr_t>*>(out)->push_back(intptr_t(v)); }, &seen);
  EXPECT_EQ(seen, (std::vector<intptr_t>{3, 1, 2}));
  t->Release();
}

// Keys that share a beginning and part at every kind of place: inside a
// shared run, at its end, and inside the symbols of one escaped code unit.
TEST(Trie, KeysPartingAnywhereKeepTheirValues) {
  const std::vector<std::string> keys = {"abcdef", "abcxyz", "abc", "ab", "abcdefg", "b",
                                         "",       "abcd",   "a b", "a c", "a\x7f"};
  auto key = [](const std::string& ascii) { return Text(ascii.begin(), ascii.end()); };
  auto* t = new TagTrie();
  for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(t->Put(key(keys[i]), Tag(intptr_t(i + 1))), Tag(intptr_t(i + 1)));
  for (size_t i = 0; i < keys.size(); ++i) EXPECT_EQ(t->IndexOf(key(keys[i])), Tag(intptr_t(i + 1))) << keys[i];
  for (const char* missing : {"abcde", "abcx", "a", "abcdefgh", "c", "a d"})
    EXPECT_EQ(t->IndexOf(key(missing)), nullptr) << missing;
  t->Release();
}
