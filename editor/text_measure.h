// Measuring and writing text on a canvas for the text drawer and the hot-key
// control.
#pragma once
#include "toolkit/graphics/canvas.h"

namespace editor {

// The extent of the characters in the canvas's font.
toolkit::Size MeasureChars(toolkit::Canvas& canvas, toolkit::StringView characters);
toolkit::Size TextExtentOf(toolkit::Canvas& canvas, toolkit::StringView text);
int TextWidthOf(toolkit::Canvas& canvas, toolkit::StringView text);

// The text clipped to the rectangle with the canvas's text flags, filled with
// the brush unless it is clear. Right-to-left reading places the text's start
// at its right end, so x moves right by its width plus one.
void TextRectOut(toolkit::Canvas& canvas, const toolkit::Rect& clip, int x, int y, toolkit::StringView text);

}  // namespace editor
