#include "editor/tab_expansion_routine.h"

namespace editor {
namespace {

using toolkit::Char;
using toolkit::String;
using toolkit::StringView;

String ExpandTabsToBlanks(StringView line, int, bool& hasTabs) {
  String result(line);
  hasTabs = false;
  for (Char& c : result)
    if (c == u'\t') {
      c = u' ';
      hasTabs = true;
    }
  return result;
}

String ExpandTabsToStops(StringView line, int tabWidth, bool& hasTabs) {
  const std::size_t first = line.find(u'\t');
  hasTabs = first != StringView::npos;
  if (!hasTabs) return String(line);
  std::size_t length = 0;
  for (Char c : line) length += c == u'\t' ? tabWidth - length % tabWidth : 1;
  String result(length, u'\t');
  std::size_t column = 0;
  for (Char c : line) {
    if (c == u'\t') {
      column += tabWidth - column % tabWidth;
    } else {
      result[column++] = c;
    }
  }
  return result;
}

}  // namespace

TabExpansionRoutine TabExpansionFor(int tabWidth) { return tabWidth < 2 ? ExpandTabsToBlanks : ExpandTabsToStops; }

}  // namespace editor
