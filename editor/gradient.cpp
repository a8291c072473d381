#include "editor/gradient.h"

#include <cstdint>

#include "editor/positions.h"

namespace editor {
namespace {

// a * b / c rounded half away from zero, with a 64-bit product, as the
// platform's MulDiv does.
int MulDiv(int a, int b, int c) {
  const std::int64_t product = static_cast<std::int64_t>(a) * b;
  const std::int64_t half = c / 2;
  const bool negative = (product < 0) != (c < 0);
  return static_cast<int>((product + (negative ? -half : half)) / c);
}

int Channel(toolkit::Color color, int shift) { return static_cast<int>(color >> shift & 0xFF); }

}  // namespace

void PaintGradient(toolkit::Canvas& canvas, toolkit::Color startColor, toolkit::Color endColor, int steps,
                   const toolkit::Rect& rect, bool horizontal) {
  const toolkit::Color from = toolkit::ColorToRgb(startColor);
  const toolkit::Color to = toolkit::ColorToRgb(endColor);
  steps = ClampInt(steps, 2, 256);
  const int size = horizontal ? rect.Width() : rect.Height();
  const int origin = horizontal ? rect.left : rect.top;
  toolkit::Brush& brush = canvas.GetBrush();
  brush.SetStyle(toolkit::BrushStyle::Solid);
  for (int i = 0; i < steps; ++i) {
    int channels[3];
    for (int k = 0; k < 3; ++k) {
      const int start = Channel(from, 8 * k);
      channels[k] = start + MulDiv(i, Channel(to, 8 * k) - start, steps - 1);
    }
    brush.SetColor(toolkit::Rgb(channels[0], channels[1], channels[2]));
    toolkit::Rect band = rect;
    if (horizontal) {
      band.left = origin + MulDiv(i, size, steps);
      band.right = origin + MulDiv(i + 1, size, steps);
    } else {
      band.top = origin + MulDiv(i, size, steps);
      band.bottom = origin + MulDiv(i + 1, size, steps);
    }
    canvas.FillRect(band);
  }
}

}  // namespace editor
