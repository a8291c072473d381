#include "treeimage/name_table.h"

#include <cstdint>
#include <vector>

#include "image/bad_format.h"
#include "image/trie_streamer.h"
#include "tree/value_node.h"

namespace {

bool IsVariable(CBase* item) {
  CNode* node = item->AsNode();
  CValue* value = node ? node->AsValue() : nullptr;
  return value && value->IsVariable();
}

// Items in list order; a trie's come in the order of its keys.
std::vector<CBase*> ItemsOf(const CTrieStreamer& table, CNamedList* list) {
  std::vector<CBase*> items;
  if (list) {
    for (int32_t i = 0; i < list->Count(); ++i) items.push_back(list->Get(i));
  } else {
    for (const CTrieStreamer::Entry& entry : table.Entries()) items.push_back(static_cast<CBase*>(entry.item));
  }
  for (CBase* item : items)
    if (item && !IsVariable(item)) RaiseBadFormat();
  return items;
}

}  // namespace

CNamedList* BlockNamesOf(const CStreamer& record) {
  auto* table = dynamic_cast<const CTrieStreamer*>(&record);
  if (!table) RaiseBadFormat();
  auto* list = dynamic_cast<CNamedList*>(table->Node());
  const std::vector<CBase*> items = ItemsOf(*table, list);
  auto* names = new CNamedList(true);
  for (CBase* item : items) {
    AddRefObject(item);
    names->Items().Put(item, -1);
  }
  // A named list's entries give positions already; a trie's follow its items.
  const std::vector<CTrieStreamer::Entry>& entries = table->Entries();
  try {
    for (std::size_t i = 0; i < entries.size(); ++i) {
      const auto position = list ? reinterpret_cast<intptr_t>(entries[i].item) : static_cast<intptr_t>(i + 1);
      names->FindOrInsert(entries[i].key, reinterpret_cast<void*>(position), true, false);
    }
  } catch (...) {
    names->Release();
    throw;
  }
  return names;
}
