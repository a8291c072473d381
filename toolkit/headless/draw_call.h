// One recorded drawing call: what was called, with which arguments, and the
// canvas state (pen, brush, font, clip, origin) it was called in.
#pragma once
#include <string>
#include <vector>

#include "toolkit/graphics/canvas_device.h"
#include "toolkit/graphics/graphics_objects.h"

namespace toolkit::headless {

struct DrawCall {
  // FillRect, FrameRect, Rectangle, Polyline, Polygon, TextOut, DrawText,
  // Pixel, Draw, Themed, Edge, ExtTextOut, RoundRect, FocusRect, ScrollDC
  // or CopyRect.
  std::string op;
  Rect rect;
  std::vector<Point> points;
  String text;
  unsigned flags = 0;
  Color penColor = clBlack;
  PenStyle penStyle = PenStyle::Solid;
  Color brushColor = clWhite;
  BrushStyle brushStyle = BrushStyle::Solid;
  String fontName;
  int fontHeight = 0;
  Color fontColor = clBlack;
  FontStyles fontStyle = 0;
  bool clipped = false;
  Rect clip;
  Point origin;
  // A clip of more than one rectangle (clip holds its bounds).
  std::vector<Rect> clipRegion;
  Point brushOrigin;
  // Per-character advances of ExtTextOut.
  std::vector<int> advances;

  // A one-line summary, e.g. `FillRect(0,0,10,10) brush=clWindow`; only the
  // state that the call uses is shown.
  std::string ToString() const;
};

// All summaries, one per line.
std::string Summaries(const std::vector<DrawCall>& calls);

}  // namespace toolkit::headless
