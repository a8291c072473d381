// Cutting UTF-8 bytes into lines before decoding them, so a loader can
// decode each line straight into its place. The breaks are those of
// line_cutter.h; CR and LF never belong to a UTF-8 sequence and the bytes of
// U+2028 always are one, so cutting first and decoding each line gives the
// characters that decoding the whole text and then cutting it would give.
#pragma once
#include <cstddef>
#include <string_view>

#include "editor/line_cutter.h"
#include "toolkit/core/text.h"

namespace editor {

struct Utf8BreakCount {
  std::size_t lineEnds = 0;        // CR and LF bytes
  std::size_t separatorLeads = 0;  // 0xE2 bytes, U+2028's first among others
  // A bound on the lines' breaks, and one on the characters of their text.
  std::size_t BreakBound() const { return lineEnds + separatorLeads; }
  std::size_t CharacterBound(std::size_t bytes) const { return bytes - lineEnds; }
};

Utf8BreakCount CountUtf8Breaks(std::string_view bytes);
// The first CR, LF or U+2028 from p on, or end; ascii tells whether every
// byte before it is below 0x80.
const char* FindUtf8LineBreak(const char* p, const char* end, bool& ascii);
// Whether every byte is below 0x80.
bool IsAscii(std::string_view bytes);
// ASCII bytes as as many characters into out.
void WidenAscii(std::string_view bytes, toolkit::Char* out);

// Calls line(bytes, ascii) for each line, as CutLines does for text.
template <class LineFound>
BreaksSeen CutUtf8Lines(std::string_view bytes, LineFound line) {
  BreaksSeen seen;
  const char* const end = bytes.data() + bytes.size();
  const char* start = bytes.data();
  while (start < end) {
    bool ascii = true;
    const char* p = FindUtf8LineBreak(start, end, ascii);
    line(std::string_view(start, static_cast<std::size_t>(p - start)), ascii);
    if (p == end) return seen;
    if (*p == '\xE2') {
      seen.separator = true;
      p += 3;
    }
    if (p < end && *p == '\r') {
      seen.cr = true;
      ++p;
    }
    if (p < end && *p == '\n') {
      seen.lf = true;
      ++p;
    }
    start = p;
    if (p == end) line(std::string_view(), true);
  }
  return seen;
}

}  // namespace editor
