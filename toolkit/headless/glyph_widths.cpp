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

}  // namespace toolkit::headless
