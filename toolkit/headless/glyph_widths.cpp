#include "toolkit/headless/glyph_widths.h"

#include <algorithm>
#include <cstdlib>

namespace toolkit::headless {

namespace {

std::vector<GlyphWidthRange>& Table() {
  static std::vector<GlyphWidthRange> table;
  return table;
}

const GlyphWidthRange* RangeOf(char16_t ch) {
  const std::vector<GlyphWidthRange>& table = Table();
  for (auto it = table.rbegin(); it != table.rend(); ++it)
    if (ch >= it->first && ch <= it->last) return &*it;
  return nullptr;
}

}  // namespace

void SetGlyphWidths(std::vector<GlyphWidthRange> ranges) {
  for (GlyphWidthRange& range : ranges) {
    range.width = std::max(0, range.width);
    range.overhang = std::max(0, range.overhang);
  }
  Table() = std::move(ranges);
}

Size CellSize(const Font& font) {
  const int height = std::abs(font.Height());
  return {std::max(1, height / 2), height};
}

int GlyphWidth(const Font& font, char16_t ch) {
  const GlyphWidthRange* range = RangeOf(ch);
  return range ? range->width : CellSize(font).cx;
}

AbcWidth GlyphAbc(const Font& font, char16_t ch) {
  const GlyphWidthRange* range = RangeOf(ch);
  if (!range) return {0, CellSize(font).cx, 0};
  return {0, range->width + range->overhang, -range->overhang};
}

int TextWidth(const Font& font, StringView text) {
  int width = 0;
  for (char16_t ch : text) width += GlyphWidth(font, ch);
  return width;
}

FontMetrics MetricsOf(const Font& font) {
  const Size cell = CellSize(font);
  FontMetrics metrics;
  metrics.height = cell.cy;
  metrics.descent = cell.cy / 5;
  metrics.ascent = cell.cy - metrics.descent;
  metrics.averageWidth = cell.cx;
  metrics.maxWidth = cell.cx;
  for (const GlyphWidthRange& range : Table()) metrics.maxWidth = std::max(metrics.maxWidth, range.width);
  return metrics;
}

std::vector<String> LayoutLines(const Font& font, StringView text, int width, unsigned flags) {
  std::vector<String> paragraphs;
  if (flags & dtSingleLine) {
    paragraphs.emplace_back(text);
  } else {
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
      if (i < text.size() && text[i] != u'\r' && text[i] != u'\n') continue;
      paragraphs.emplace_back(text.substr(start, i - start));
      if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n') ++i;
      start = i + 1;
    }
  }
  if (!(flags & dtWordBreak) || (flags & dtSingleLine)) return paragraphs;
  std::vector<String> lines;
  for (const String& paragraph : paragraphs) {
    String rest = paragraph;
    while (true) {
      // As many characters as fit the width, at least one.
      std::size_t perLine = 0;
      for (int used = 0; perLine < rest.size(); ++perLine) {
        used += GlyphWidth(font, rest[perLine]);
        if (used > width) break;
      }
      perLine = std::max<std::size_t>(1, perLine);
      if (rest.size() <= perLine) break;
      // Break at the last blank that fits; a longer word keeps its own line.
      std::size_t cut = rest.rfind(u' ', perLine);
      std::size_t next = cut + 1;
      if (cut == String::npos || cut == 0) {
        cut = rest.find(u' ');
        if (cut == String::npos) break;
        next = cut + 1;
      }
      lines.push_back(rest.substr(0, cut));
      rest = rest.substr(next);
    }
    lines.push_back(rest);
  }
  return lines;
}

}  // namespace toolkit::headless
