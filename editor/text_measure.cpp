#include "editor/text_measure.h"

namespace editor {

toolkit::Size MeasureChars(toolkit::Canvas& canvas, toolkit::StringView characters) {
  return canvas.TextExtent(characters);
}

toolkit::Size TextExtentOf(toolkit::Canvas& canvas, toolkit::StringView text) { return canvas.TextExtent(text); }

int TextWidthOf(toolkit::Canvas& canvas, toolkit::StringView text) { return canvas.TextExtent(text).cx; }

void TextRectOut(toolkit::Canvas& canvas, const toolkit::Rect& clip, int x, int y, toolkit::StringView text) {
  if (canvas.TextFlags & toolkit::toRtlReading) x += TextWidthOf(canvas, text) + 1;
  canvas.TextRect(clip, x, y, text);
}

}  // namespace editor
