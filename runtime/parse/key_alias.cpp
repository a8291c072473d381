#include "key_alias.h"

#include <algorithm>

#include "sys/file_text.h"

namespace {

std::vector<CKeyAlias>& Table() {
  static std::vector<CKeyAlias> table;
  return table;
}

bool NameBefore(const CKeyAlias& a, const CKeyAlias& b) { return a.name < b.name; }

}  // namespace

std::vector<CKeyAlias> ReadKeyAliases(TextView fileText) {
  std::vector<CKeyAlias> pairs;
  CKeyAlias pair;
  Text* part = &pair.name;
  for (Char c : fileText) {
    if (c == '\r') {
      pairs.push_back(std::move(pair));
      pair = CKeyAlias();
      part = &pair.name;
    } else if (c == '=') {
      part = &pair.value;
    } else if (c != '\n') {
      part->push_back(c);
    }
  }
  return pairs;
}

void LoadKeyAliasText(TextView fileText) {
  std::vector<CKeyAlias> pairs = ReadKeyAliases(fileText);
  if (pairs.empty()) return;
  std::stable_sort(pairs.begin(), pairs.end(), NameBefore);
  Table() = std::move(pairs);
}

void LoadKeyAliases(TextView fileName) { LoadKeyAliasText(ReadFileText(fileName, 0)); }

void ClearKeyAliases() { Table().clear(); }

TextView KeyAlias(TextView word) {
  const std::vector<CKeyAlias>& table = Table();
  auto it = std::lower_bound(table.begin(), table.end(), word,
                             [](const CKeyAlias& a, TextView w) { return TextView(a.name) < w; });
  return it != table.end() && it->name == word ? TextView(it->value) : word;
}
