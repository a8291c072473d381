// The process's list of highlighter classes, each known by the function
// that makes one.
#pragma once
#include <vector>

#include "toolkit/core/component.h"

namespace editor {

class TCodeCustomHighlighter;

using TCodeHighlighterClass = TCodeCustomHighlighter* (*)(toolkit::Component* owner);

class TCodeHighlighterList {
 public:
  int Count() const { return static_cast<int>(classes_.size()); }
  TCodeHighlighterClass Items(int index) const { return classes_[static_cast<std::size_t>(index)]; }
  int IndexOf(TCodeHighlighterClass highlighterClass) const;
  // Adds the class unless it is there; answers its index.
  int Add(TCodeHighlighterClass highlighterClass);

 private:
  std::vector<TCodeHighlighterClass> classes_;
};

TCodeHighlighterList& HighlighterClassList();
int RegisterHighlighterClass(TCodeHighlighterClass highlighterClass);

}  // namespace editor
