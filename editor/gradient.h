// The gradient fill the gutter is painted with.
#pragma once
#include "toolkit/graphics/canvas.h"

namespace editor {

// Fills the rectangle in bands from the start colour to the end colour,
// along x when horizontal, else along y. Steps are held to 2..256; the first
// band has the start colour and the last the end colour.
void PaintGradient(toolkit::Canvas& canvas, toolkit::Color startColor, toolkit::Color endColor, int steps,
                   const toolkit::Rect& rect, bool horizontal);

}  // namespace editor
