// Character widths of the headless fonts, and the lines DrawText lays out
// with them. By default every character is the fixed cell (|Height| / 2
// wide, at least 1); a test may give a table of ranges with their own
// widths, the same for every font, to try wide characters, proportional
// fonts and zero widths. headless::Install() puts the fixed cell back.
#pragma once
#include <vector>

#include "toolkit/graphics/canvas_device.h"
#include "toolkit/graphics/graphics_objects.h"

namespace toolkit::headless {

struct GlyphWidthRange {
  char16_t first = 0;
  char16_t last = 0;
  int width = 0;
  // Ink reaching past the advance on the right (italic glyphs): the B width
  // is width + overhang, the C width -overhang.
  int overhang = 0;
};

// Later ranges win where they overlap; an empty table is the fixed cell.
void SetGlyphWidths(std::vector<GlyphWidthRange> ranges);

Size CellSize(const Font& font);
int GlyphWidth(const Font& font, char16_t ch);
AbcWidth GlyphAbc(const Font& font, char16_t ch);
int TextWidth(const Font& font, StringView text);
FontMetrics MetricsOf(const Font& font);
// Lines as DrawText lays them out with these widths.
std::vector<String> LayoutLines(const Font& font, StringView text, int width, unsigned flags);

}  // namespace toolkit::headless
