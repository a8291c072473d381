#include "editor/tab_expansion.h"

#include <algorithm>
#include <limits>

namespace editor {
namespace {

constexpr toolkit::Char kTab = u'\t';

std::int32_t ToColumns(std::int64_t columns) {
  return static_cast<std::int32_t>(std::min<std::int64_t>(columns, std::numeric_limits<std::int32_t>::max()));
}

// The two routines from 2 up differ only in how the distance to the next tab
// stop is found.
template <class TabDistance>
String ExpandWith(StringView line, bool& hasTabs, TabDistance distance) {
  std::int32_t before = 0;
  hasTabs = FindFirstTab(line, before);
  if (!hasTabs) return String(line);
  const std::size_t lastTab = line.rfind(kTab);
  std::int64_t column = before;
  for (std::size_t i = static_cast<std::size_t>(before); i <= lastTab; ++i)
    column += line[i] == kTab ? distance(column) : 1;
  const std::size_t tail = line.size() - lastTab - 1;
  String out(static_cast<std::size_t>(column) + tail, kTab);
  std::copy_n(line.begin(), before, out.begin());
  column = before;
  for (std::size_t i = static_cast<std::size_t>(before); i <= lastTab; ++i) {
    if (line[i] == kTab) {
      column += distance(column);  // the TABs are already there
    } else {
      out[static_cast<std::size_t>(column)] = line[i];
      ++column;
    }
  }
  std::copy(line.begin() + static_cast<std::ptrdiff_t>(lastTab) + 1, line.end(),
            out.begin() + static_cast<std::ptrdiff_t>(column));
  return out;
}

}  // namespace

bool FindFirstTab(StringView characters, std::int32_t& count) {
  const std::size_t at = characters.find(kTab);
  count = static_cast<std::int32_t>(at == StringView::npos ? characters.size() : at);
  return at != StringView::npos;
}

String ExpandTabsSingle(StringView line, std::int32_t, bool& hasTabs) {
  String out(line);
  std::int32_t before = 0;
  hasTabs = FindFirstTab(line, before);
  if (hasTabs) std::replace(out.begin() + before, out.end(), kTab, u' ');
  return out;
}

String ExpandTabsPow2(StringView line, std::int32_t tabWidth, bool& hasTabs) {
  const std::int64_t mask = tabWidth - 1;
  return ExpandWith(line, hasTabs, [tabWidth, mask](std::int64_t column) { return tabWidth - (column & mask); });
}

String ExpandTabsAny(StringView line, std::int32_t tabWidth, bool& hasTabs) {
  return ExpandWith(line, hasTabs, [tabWidth](std::int64_t column) { return tabWidth - column % tabWidth; });
}

bool IsPow2(std::int32_t n) { return n >= 2 && n <= 65536 && (n & (n - 1)) == 0; }

ExpandTabsRoutine BestExpandTabsRoutine(std::int32_t tabWidth) {
  if (tabWidth < 2) return &ExpandTabsSingle;
  return IsPow2(tabWidth) ? &ExpandTabsPow2 : &ExpandTabsAny;
}

std::int32_t ColumnsOfLine(StringView line, std::int32_t tabWidth) {
  if (tabWidth < 2) return ToColumns(static_cast<std::int64_t>(line.size()));
  std::int64_t column = 0;
  for (const toolkit::Char c : line) column += c == kTab ? tabWidth - column % tabWidth : 1;
  return ToColumns(column);
}

std::int32_t CharIndexToColumn(std::int32_t index, std::int32_t tabWidth, StringView line) {
  if (index <= 1) return 1;
  std::int32_t before = 0;
  if (tabWidth < 2 || !FindFirstTab(line, before) || index <= before + 1) return index;
  std::int64_t column = before;
  std::int64_t steps = index - (before + 1);
  for (std::size_t i = static_cast<std::size_t>(before); steps > 0; ++i, --steps) {
    if (i >= line.size()) {
      column += steps;  // past the end every character is one column
      break;
    }
    column += line[i] == kTab ? tabWidth - column % tabWidth : 1;
  }
  return ToColumns(column + 1);
}

}  // namespace editor
