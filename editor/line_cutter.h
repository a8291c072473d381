// Cutting a text into lines: a line ends at CR, LF or U+2028, and after it
// at most one U+2028, then one CR, then one LF make its break, so CR LF is
// one break and LF CR two. A break at the end leaves an empty last line.
#pragma once
#include <cstddef>

#include "toolkit/core/text.h"

namespace editor {

inline constexpr toolkit::Char kLineSeparator = u'\x2028';

// How many CR, LF and U+2028 the text holds: a bound on its breaks.
std::size_t CountBreakCharacters(toolkit::StringView text);
// The first CR, LF or U+2028 from p on; end when there is none.
const toolkit::Char* FindLineBreak(const toolkit::Char* p, const toolkit::Char* end);

struct BreaksSeen {
  bool cr = false;
  bool lf = false;
  bool separator = false;
};

// Calls line(start, length) for each line of text and answers the breaks seen.
template <class LineFound>
BreaksSeen CutLines(toolkit::StringView text, LineFound line) {
  BreaksSeen seen;
  const toolkit::Char* const begin = text.data();
  const toolkit::Char* const end = begin + text.size();
  const toolkit::Char* start = begin;
  while (start < end) {
    const toolkit::Char* p = FindLineBreak(start, end);
    line(static_cast<std::size_t>(start - begin), static_cast<std::size_t>(p - start));
    if (p == end) return seen;
    if (*p == kLineSeparator) {
      seen.separator = true;
      ++p;
    }
    if (p < end && *p == u'\r') {
      seen.cr = true;
      ++p;
    }
    if (p < end && *p == u'\n') {
      seen.lf = true;
      ++p;
    }
    start = p;
    if (p == end) line(text.size(), 0);
  }
  return seen;
}

}  // namespace editor
