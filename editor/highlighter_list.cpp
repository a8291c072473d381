#include "editor/highlighter_list.h"

#include <algorithm>

namespace editor {

int TCodeHighlighterList::IndexOf(TCodeHighlighterClass highlighterClass) const {
  const auto found = std::find(classes_.begin(), classes_.end(), highlighterClass);
  return found == classes_.end() ? -1 : static_cast<int>(found - classes_.begin());
}

int TCodeHighlighterList::Add(TCodeHighlighterClass highlighterClass) {
  const int index = IndexOf(highlighterClass);
  if (index >= 0) return index;
  classes_.push_back(highlighterClass);
  return Count() - 1;
}

TCodeHighlighterList& HighlighterClassList() {
  static TCodeHighlighterList list;
  return list;
}

int RegisterHighlighterClass(TCodeHighlighterClass highlighterClass) {
  return HighlighterClassList().Add(highlighterClass);
}

}  // namespace editor
