#include "runtime/parse/key_alias.h"

#include <algorithm>

#include "runtime/sys/file_text.h"

namespace runtime {

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
  bool lineOpen = false;
  for (size_t i = 0; i < fileText.size(); ++i) {
    const Char c = fileText[i];
    if (c == '\r' || c == '\n') {
      if (c == '\r' && i + 1 < fileText.size() && fileText[i + 1] == '\n') ++i;
      pairs.push_back(std::move(pair));
      pair = CKeyAlias();
      part = &pair.name;
      lineOpen = false;
      continue;
    }
    lineOpen = true;
    if (c == '=')
      part = &pair.value;
    else
      part->push_back(c);
  }
  if (lineOpen) pairs.push_back(std::move(pair));
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

}  // namespace runtime
